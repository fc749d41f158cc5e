#include "core/files/UserFolders.h"

#include "core/files/SafeFileWrite.h"
#include "core/os/PrivateFolder.h"
#include "core/os/UserBaseFolders.h"

std::string UserConfigFolder() { return UserBaseFolder(UserFolderKind::Config); }
std::string UserDataFolder() { return UserBaseFolder(UserFolderKind::Data); }
std::string UserCacheFolder() { return UserBaseFolder(UserFolderKind::Cache); }
std::string UserStateFolder() { return UserBaseFolder(UserFolderKind::State); }

std::string ApplicationFolderName(const std::string& appName) {
  std::string name;
  for (char c : appName) name += (c == '/' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
  if (name.empty() || name == "." || name == "..") return "Program";
  return name;
}

// Nothing below no folder: a relative name would land wherever the program
// happens to run.
static std::string Below(const std::string& base, const std::string& rest) { return base.empty() ? base : base + rest; }

std::string BackupFolder(const std::string& appName) {
  return Below(UserDataFolder(), ApplicationFolderName(appName) + "/");
}

std::string TraceFolder(const std::string& appName) {
  return Below(UserCacheFolder(), ApplicationFolderName(appName) + "/");
}

std::string RecoveryFolder(const std::string& appName) {
  return Below(UserStateFolder(), ApplicationFolderName(appName) + "/recovery/");
}

std::string SettingsStorePath(const std::string& appName) {
  return Below(UserConfigFolder(), ApplicationFolderName(appName) + ".ini");
}

int CheckPrivateFolder(const std::string& folder) { return JudgePrivateFolder(folder).code; }

int MakePrivateFolder(const std::string& folder) {
  int err = CheckPrivateFolder(folder);
  if (err == 0) err = MakeFolders(folder);
  // Again once made: another user may have made a part of it first.
  if (err == 0) err = CheckPrivateFolder(folder);
  return err;
}
