#include "core/os/SerialDeviceFacts.h"

#include <cerrno>

#include "core/os/windows/WinText.h"

PortDevice DescribePortDevice(const std::string& path, const DeviceRoots&) {
  PortDevice device;
  device.path = path;
  if (path.empty()) return device;
  const std::string name = path.rfind("\\\\.\\", 0) == 0 ? path.substr(4) : path;
  if (name.find_first_of("/\\") == std::string::npos) {
    // "COM3": a name of the system's device namespace, looked up without
    // opening the port, which another program may hold.
    wchar_t target[1024];
    device.present = ::QueryDosDeviceW(Wide(name).c_str(), target, sizeof target / sizeof target[0]) != 0 ||
                     ::GetLastError() == ERROR_INSUFFICIENT_BUFFER;
  } else {
    // A device reached through a path may refuse a look at its attributes;
    // only "nothing there" makes it missing.
    device.present = ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES || LastErrno() != ENOENT;
  }
  return device;
}
