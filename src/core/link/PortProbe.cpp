#include "core/link/PortProbe.h"

#include <cerrno>

#include "core/link/PortDevice.h"
#include "core/link/SerialPort.h"
#include "core/link/TransferTexts.h"
#include "core/os/DeviceAccess.h"
#include "core/os/OsError.h"

namespace {

void NameWhoMayOpen(const std::string& device, ProbeResult& r) {
  const DeviceOpeners openers = WhoMayOpen(device);
  r.group = openers.group;
  r.owner = openers.owner;
}

std::string Fill(const char* text, const std::string& name) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    if (*p == '@')
      out += name;
    else
      out += *p;
  }
  return out;
}

}  // namespace

ProbeResult ClassifyOpenError(const std::string& device, int err) {
  ProbeResult r;
  r.sysError = err;
  switch (err) {
    case 0: r.status = ProbeStatus::Available; break;
    case ENOENT:
    case ENODEV:
    case ENXIO: r.status = IsOtherThanADevice(device) ? ProbeStatus::NotSerial : ProbeStatus::Missing; break;
    case EBUSY:
    case EWOULDBLOCK: r.status = ProbeStatus::Busy; break;
    case EACCES:
    case EPERM:
      r.status = ProbeStatus::PermissionDenied;
      NameWhoMayOpen(device, r);
      break;
    case ENOTTY: r.status = ProbeStatus::NotSerial; break;
    default: r.status = ProbeStatus::OtherError; break;
  }
  return r;
}

ProbeResult ProbePort(const std::string& device) {
  if (device.empty()) return ClassifyOpenError(device, ENOENT);
  CSerialPort port;
  const int err = port.OpenExclusive(device);
  port.Close();
  return ClassifyOpenError(device, err);
}

std::string DescribeProbe(const ProbeResult& result, Language language) {
  switch (result.status) {
    case ProbeStatus::Available: return kPortAvailableText(language);
    case ProbeStatus::Missing: return kPortMissingText(language);
    case ProbeStatus::Busy: return kPortBusyText(language);
    case ProbeStatus::PermissionDenied:
      if (!result.owner.empty()) return Fill(kPortOwnerOnlyText(language), result.owner);
      if (result.group.empty()) return kPortDeniedText(language);
      return Fill(kPortJoinGroupText(language), result.group);
    case ProbeStatus::NotSerial: return kPortNotSerialText(language);
    case ProbeStatus::OtherError: break;
  }
  return std::string(kPortCannotOpenText(language)) + SystemErrorText(result.sysError);
}

std::string PortOpenCauseText(const std::string& device, int err, Language language) {
  return device + kDeviceFieldSeparator(language) + DescribeProbe(ClassifyOpenError(device, err), language);
}

std::string PortStateText(const std::string& device, const ProbeResult& probe, Language language) {
  const PortDevice described = DescribePortDevice(device);
  std::string text = PortDeviceText(described, language);
  // A device that is not there already says so.
  if (described.present && probe.status != ProbeStatus::Available) text += "\n" + DescribeProbe(probe, language);
  return text;
}
