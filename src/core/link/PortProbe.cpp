#include "core/link/PortProbe.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "core/link/PortDevice.h"
#include "core/link/SerialPort.h"
#include "core/link/TransferTexts.h"

namespace {

long LookupBufferSize() {
  const long size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
  const long users = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  return std::max({size, users, 16384L});
}

std::string GroupName(gid_t gid) {
  std::vector<char> buffer(static_cast<std::size_t>(LookupBufferSize()));
  group entry{};
  group* found = nullptr;
  if (::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return std::to_string(gid);
  return found->gr_name;
}

std::string UserName(uid_t uid) {
  std::vector<char> buffer(static_cast<std::size_t>(LookupBufferSize()));
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return std::to_string(uid);
  return found->pw_name;
}

// Joining the device's group helps only when the group may read and write it.
void NameWhoMayOpen(const std::string& device, ProbeResult& r) {
  struct stat st {};
  if (::stat(device.c_str(), &st) != 0) return;
  if ((st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP))
    r.group = GroupName(st.st_gid);
  else
    r.owner = UserName(st.st_uid);
}

// Opening a socket fails as a device without hardware does (ENXIO), yet the
// path is there: it is no serial device, not a missing one.
bool IsOtherThanADevice(const std::string& device) {
  struct stat st {};
  return ::stat(device.c_str(), &st) == 0 && !S_ISCHR(st.st_mode);
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
  return std::string(kPortCannotOpenText(language)) + std::strerror(result.sysError);
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
