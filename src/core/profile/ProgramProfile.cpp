#include "core/profile/ProgramProfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/shell/StartupRules.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"

namespace {

// The permission bits count for root too, so that a program folder made
// read-only stays so for an administrator (access() alone would let root
// write anything on a writable file system).
bool MayWrite(const std::string& path) {
  if (::access(path.c_str(), W_OK) != 0) return false;
  struct stat st {};
  return ::geteuid() != 0 || (::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0);
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

ProfilePaths ProgramProfilePaths(const std::string& programFolder) {
  const std::string shipped = programFolder + kProfileFileName;
  const bool shippedExists = Exists(shipped);
  // A save replaces the file through a new one beside it: the folder must be
  // writable as well as the file.
  if (MayWrite(programFolder) && (!shippedExists || MayWrite(shipped))) return {shipped, shipped};

  std::string appName;
  if (shippedExists) {
    CProfileFile profile;
    profile.Load(shipped, /*saveOnClose=*/false, /*ignoreCase=*/true, /*backup=*/false);
    appName = profile.GetString("Setup", "AppName", "");
  }
  const std::string own = UserConfigFolder() + ApplicationFolderName(appName) + "/" + kProfileFileName;
  return {Exists(own) ? own : shipped, own};
}
