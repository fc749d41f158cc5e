#include "core/os/DeviceAccess.h"

#include "core/os/windows/WinText.h"

// A port's access is no group's on Windows: a refusal there is "busy".
DeviceOpeners WhoMayOpen(const std::string&) { return {}; }

// A file or a folder answers to its attributes; a COM port does not.
bool IsOtherThanADevice(const std::string& path) {
  return ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}
