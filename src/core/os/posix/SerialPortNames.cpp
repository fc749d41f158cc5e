#include "core/os/SerialPortNames.h"

std::string SystemPortDevice(int n) {
  if (n >= 1 && n <= 4) return "/dev/ttyUSB" + std::to_string(n - 1);
  if (n >= 5 && n <= 8) return "/dev/ttyACM" + std::to_string(n - 5);
  if (n >= 9 && n <= 16) return "/dev/ttyS" + std::to_string(n - 9);
  return "";
}

bool IsDevicePathArgument(const std::string& argument) { return argument.find('/') != std::string::npos; }

std::vector<std::string> SystemSerialPortNames() { return {}; }
