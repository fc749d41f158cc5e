#include "core/os/FileRemoval.h"

#include "core/os/windows/WinText.h"

bool RemoveFile(const std::string& path) { return ::DeleteFileW(Wide(path).c_str()) != 0; }
