#include "core/os/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "core/os/SaveTarget.h"

namespace {

// Whether someone else than this user and root may change the folder's
// entries. A group's write counts unless it is this user's own group.
bool OthersMayWrite(const struct stat& st) {
  if (st.st_uid != ::geteuid() && st.st_uid != 0) return true;
  if ((st.st_mode & S_IWOTH) != 0) return true;
  return (st.st_mode & S_IWGRP) != 0 && st.st_gid != ::getegid();
}

std::string Parent(const std::string& path) { return SplitPath(path).folder; }

}  // namespace

OsError JudgePrivateFolder(const std::string& folder) {
  if (folder.empty() || folder.front() != '/') return OsError(kNoHomeFolder);
  std::string at = folder;
  while (at.size() > 1 && at.back() == '/') at.pop_back();
  // Each link on the way could be turned elsewhere by its owner.
  for (std::string part = at; part != "/"; part = Parent(part)) {
    struct stat st {};
    if (::lstat(part.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && st.st_uid != ::geteuid() && st.st_uid != 0)
      return OsError(kSharedFolder);
  }
  struct stat st {};
  while (::stat(at.c_str(), &st) != 0) {
    if (errno != ENOENT || at == "/") return OsError(errno);
    at = Parent(at);
  }
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(at.c_str(), nullptr), &std::free);
  if (!real) return OsError(errno);
  // The folder itself takes no one else's files; above it, a sticky folder
  // keeps others from renaming what this user made there.
  bool holder = true;
  for (at = real.get();; at = Parent(at), holder = false) {
    if (::stat(at.c_str(), &st) != 0) return OsError(errno);
    if (!S_ISDIR(st.st_mode)) return OsError(ENOTDIR);
    if (OthersMayWrite(st) && (holder || (st.st_mode & S_ISVTX) == 0)) return OsError(kSharedFolder);
    if (at == "/") return {};
  }
}
