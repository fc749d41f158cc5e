#pragma once
// Whether a device can be opened for exclusive use now, and if not, why.
#include <string>

#include "core/lang/Language.h"

enum class ProbeStatus {
  Available,
  Missing,           // no such device
  Busy,              // another program holds it
  PermissionDenied,  // the user may not open it
  NotSerial,         // it exists but is no serial device
  OtherError,
};

struct ProbeResult {
  ProbeStatus status = ProbeStatus::Available;
  int sysError = 0;
  // PermissionDenied: the group owning the device when its members may read
  // and write it; else empty, and `owner` names the one user who may.
  std::string group;
  std::string owner;
};

ProbeResult ProbePort(const std::string& device);

// What an open failure with the OsError code `err` means for `device` (for a permission
// failure, who may open it is looked up).
ProbeResult ClassifyOpenError(const std::string& device, int err);

// One line for the user: "available", "missing", "busy: ...", ...
std::string DescribeProbe(const ProbeResult& result, Language language = Language::English);

// The line under a port's "could not open" message, in the window and in
// programcli alike: the device and why, "/dev/ttyUSB0: busy: ...".
std::string PortOpenCauseText(const std::string& device, int err, Language language);

// A port's tool tip in the port dialog: the device (PortDeviceText), and for
// one that is there but cannot be opened now, why.
std::string PortStateText(const std::string& device, const ProbeResult& probe, Language language);
