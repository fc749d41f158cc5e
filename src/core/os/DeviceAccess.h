#pragma once
// What a device that could not be opened is, and who may open it.
#include <string>

struct DeviceOpeners {
  // The group owning the device when its members may read and write it;
  // else empty, and `owner` names the one user who may. Both empty when the
  // device cannot be looked at.
  std::string group;
  std::string owner;
};

// Who may open `device`, by name (a number where the user database has none).
DeviceOpeners WhoMayOpen(const std::string& device);

// Whether something that is no device is at `path`: opening a socket fails
// as a device without hardware does, yet it is no missing device.
bool IsOtherThanADevice(const std::string& path);
