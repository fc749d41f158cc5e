#include "core/os/DeviceAccess.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

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

}  // namespace

// Joining the device's group helps only when the group may read and write it.
DeviceOpeners WhoMayOpen(const std::string& device) {
  DeviceOpeners openers;
  struct stat st {};
  if (::stat(device.c_str(), &st) != 0) return openers;
  if ((st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP))
    openers.group = GroupName(st.st_gid);
  else
    openers.owner = UserName(st.st_uid);
  return openers;
}

bool IsOtherThanADevice(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISCHR(st.st_mode);
}
