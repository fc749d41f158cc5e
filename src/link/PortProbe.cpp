#include "link/PortProbe.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "link/SerialPort.h"

namespace {

std::string GroupOwning(const std::string& device) {
  struct stat st {};
  if (::stat(device.c_str(), &st) != 0) return "";
  long size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
  if (size <= 0) size = 16384;
  std::vector<char> buffer(static_cast<std::size_t>(size));
  group entry{};
  group* found = nullptr;
  if (::getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found)
    return std::to_string(st.st_gid);
  return found->gr_name;
}

}  // namespace

ProbeResult ClassifyOpenError(const std::string& device, int err) {
  ProbeResult r;
  r.sysError = err;
  switch (err) {
    case 0: r.status = ProbeStatus::Available; break;
    case ENOENT:
    case ENODEV:
    case ENXIO: r.status = ProbeStatus::Missing; break;
    case EBUSY:
    case EWOULDBLOCK: r.status = ProbeStatus::Busy; break;
    case EACCES:
    case EPERM:
      r.status = ProbeStatus::PermissionDenied;
      r.group = GroupOwning(device);
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

std::string DescribeProbe(const ProbeResult& result) {
  switch (result.status) {
    case ProbeStatus::Available: return "available";
    case ProbeStatus::Missing: return "missing: no such device";
    case ProbeStatus::Busy: return "busy: another program has it open";
    case ProbeStatus::PermissionDenied:
      if (result.group.empty()) return "permission denied";
      return "permission denied: the device belongs to group '" + result.group +
             "'; membership of that group grants access (sudo usermod -aG " + result.group +
             " $USER, then log in again)";
    case ProbeStatus::NotSerial: return "not a serial device";
    case ProbeStatus::OtherError: break;
  }
  return std::string("cannot open: ") + std::strerror(result.sysError);
}
