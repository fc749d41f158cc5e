#include "core/os/FileRemoval.h"

#include <unistd.h>

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }
