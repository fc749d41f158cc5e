#include "core/profile/ProgramProfile.h"

#include "core/files/UserFolders.h"
#include "core/os/SaveTarget.h"
#include "core/profile/ProfileFile.h"

ProfilePaths ProgramProfilePaths(const std::string& programFolder) {
  const std::string shipped = programFolder + kProfileFileName;
  const bool shippedExists = PathExists(shipped);
  // A save replaces the file through a new one beside it: the folder must be
  // writable as well as the file.
  if (MayWrite(programFolder) && (!shippedExists || MayWrite(shipped))) return {shipped, shipped};

  std::string appName;
  if (shippedExists) {
    CProfileFile profile;
    profile.Load(shipped, ProfileOptions::IgnoreCase);
    appName = profile.GetString("Setup", "AppName", "");
  }
  // No private folder for the user's own copy: the shipped file alone.
  const std::string folder = UserConfigFolder();
  if (CheckPrivateFolder(folder) != 0) return {shipped, shipped};
  const std::string own = folder + ApplicationFolderName(appName) + "/" + kProfileFileName;
  return {PathExists(own) ? own : shipped, own};
}
