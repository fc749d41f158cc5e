#include "core/files/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return home;
  // No usable $HOME (a service, a bare environment): the password entry.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return found->pw_dir;
  return "/tmp";
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value && *value == '/') return WithSlash(value);
  return WithSlash(HomeFolder()) + fallbackBelowHome;
}

}  // namespace

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config/"); }
std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share/"); }
std::string UserCacheFolder() { return XdgFolder("XDG_CACHE_HOME", ".cache/"); }
std::string UserStateFolder() { return XdgFolder("XDG_STATE_HOME", ".local/state/"); }

std::string ApplicationFolderName(const std::string& appName) {
  std::string name;
  for (char c : appName) name += (c == '/' || static_cast<unsigned char>(c) < 0x20) ? '_' : c;
  if (name.empty() || name == "." || name == "..") return "Program";
  return name;
}

std::string BackupFolder(const std::string& appName) { return UserDataFolder() + ApplicationFolderName(appName) + "/"; }

std::string TraceFolder(const std::string& appName) { return UserCacheFolder() + ApplicationFolderName(appName) + "/"; }

std::string RecoveryFolder(const std::string& appName) {
  return UserStateFolder() + ApplicationFolderName(appName) + "/recovery/";
}

std::string SettingsStorePath(const std::string& appName) {
  return UserConfigFolder() + ApplicationFolderName(appName) + ".ini";
}
