#include "core/os/UserBaseFolders.h"

#include <cstdlib>

#include "core/os/UserAccount.h"

namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home == '/') return home;
  // No usable $HOME (a service, a bare environment): the password entry.
  return AccountHomeFolder();
}

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// A relative value counts as unset, as the XDG rules say.
std::string XdgFolder(const char* variable, const char* fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value && *value == '/') return WithSlash(value);
  const std::string home = HomeFolder();
  return home.empty() ? home : WithSlash(home) + fallbackBelowHome;
}

}  // namespace

std::string UserBaseFolder(UserFolderKind kind) {
  switch (kind) {
    case UserFolderKind::Config: return XdgFolder("XDG_CONFIG_HOME", ".config/");
    case UserFolderKind::Data: return XdgFolder("XDG_DATA_HOME", ".local/share/");
    case UserFolderKind::Cache: return XdgFolder("XDG_CACHE_HOME", ".cache/");
    case UserFolderKind::State: return XdgFolder("XDG_STATE_HOME", ".local/state/");
  }
  return {};
}
