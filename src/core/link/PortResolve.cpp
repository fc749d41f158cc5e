// Kept apart from the name rules: only what resolves a port needs the profile.
#include "core/link/PortNames.h"
#include "core/os/SerialPortNames.h"
#include "core/profile/ProfileFile.h"

#include <cstdlib>

std::string DevicePathForPort(int n, const CProfileFile& profile) {
  const std::string name = "COM" + std::to_string(n);
  // For one run (the simulated radio of ./run.sh, a test): nothing is written.
  const char* overridden = std::getenv(("PROGRAM_PORT_" + name).c_str());
  if (overridden && *overridden) return overridden;
  const std::string configured = profile.GetString("Ports", name, "");
  return configured.empty() ? DefaultDevicePath(n) : configured;
}

std::string ResolvePortArgument(const std::string& port, const CProfileFile& profile) {
  // A name first: on Windows "\\.\COM12" has the look of a path, yet
  // [Ports] and the environment must still reach it.
  if (const std::optional<int> n = ParsePortName(port)) return DevicePathForPort(*n, profile);
  // Any path, "./radio" as much as "/dev/ttyUSB0"; a bare word is no path,
  // so that "COM3x" never turns into a file of the working folder.
  return IsDevicePathArgument(port) ? port : "";
}
