// Kept apart from the name rules: only what resolves a port needs the profile.
#include "profile/ProfileFile.h"
#include "link/PortNames.h"

std::string DevicePathForPort(int n, const CProfileFile& profile) {
  const std::string configured = profile.GetString("Ports", "COM" + std::to_string(n), "");
  return configured.empty() ? DefaultDevicePath(n) : configured;
}

std::string ResolvePortArgument(const std::string& port, const CProfileFile& profile) {
  if (!port.empty() && port[0] == '/') return port;
  const std::optional<int> n = ParsePortName(port);
  return n ? DevicePathForPort(*n, profile) : "";
}
