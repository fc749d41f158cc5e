#include "core/files/UserFolders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/files/RegularFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/os/SaveTarget.h"

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return home;
  // No usable $HOME (a service, a bare environment): the password entry.
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir &&
      found->pw_dir[0] == '/')
    return found->pw_dir;
  return {};
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value && *value == '/') return WithSlash(value);
  const std::string home = HomeFolder();
  return home.empty() ? home : WithSlash(home) + fallbackBelowHome;
}

// Whether someone else than this user and root may change the folder's
// entries. A group's write counts unless it is this user's own group.
bool OthersMayWrite(const struct stat& st) {
  if (st.st_uid != ::geteuid() && st.st_uid != 0) return true;
  if ((st.st_mode & S_IWOTH) != 0) return true;
  return (st.st_mode & S_IWGRP) != 0 && st.st_gid != ::getegid();
}

std::string Parent(const std::string& path) { return SplitPath(path).folder; }

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

// Nothing below no folder: a relative name would land wherever the program
// happens to run.
static std::string Below(const std::string& base, const std::string& rest) { return base.empty() ? base : base + rest; }

std::string BackupFolder(const std::string& appName) { return Below(UserDataFolder(), ApplicationFolderName(appName) + "/"); }

std::string TraceFolder(const std::string& appName) { return Below(UserCacheFolder(), ApplicationFolderName(appName) + "/"); }

std::string RecoveryFolder(const std::string& appName) {
  return Below(UserStateFolder(), ApplicationFolderName(appName) + "/recovery/");
}

std::string SettingsStorePath(const std::string& appName) {
  return Below(UserConfigFolder(), ApplicationFolderName(appName) + ".ini");
}

int CheckPrivateFolder(const std::string& folder) {
  if (folder.empty() || folder.front() != '/') return kNoHomeFolder;
  std::string at = folder;
  while (at.size() > 1 && at.back() == '/') at.pop_back();
  // Each link on the way could be turned elsewhere by its owner.
  for (std::string part = at; part != "/"; part = Parent(part)) {
    struct stat st {};
    if (::lstat(part.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && st.st_uid != ::geteuid() && st.st_uid != 0)
      return kSharedFolder;
  }
  struct stat st {};
  while (::stat(at.c_str(), &st) != 0) {
    if (errno != ENOENT || at == "/") return errno;
    at = Parent(at);
  }
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(at.c_str(), nullptr), &std::free);
  if (!real) return errno;
  // The folder itself takes no one else's files; above it, a sticky folder
  // keeps others from renaming what this user made there.
  bool holder = true;
  for (at = real.get();; at = Parent(at), holder = false) {
    if (::stat(at.c_str(), &st) != 0) return errno;
    if (!S_ISDIR(st.st_mode)) return ENOTDIR;
    if (OthersMayWrite(st) && (holder || (st.st_mode & S_ISVTX) == 0)) return kSharedFolder;
    if (at == "/") return 0;
  }
}

int MakePrivateFolder(const std::string& folder) {
  int err = CheckPrivateFolder(folder);
  if (err == 0) err = MakeFolders(folder);
  // Again once made: another user may have made a part of it first.
  if (err == 0) err = CheckPrivateFolder(folder);
  return err;
}
