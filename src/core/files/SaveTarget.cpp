#include "core/files/SaveTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace {

// Linux stops at 40 links too.
constexpr int kMaxLinks = 40;

// "dir/" of "dir/name", "" of "name".
std::string FolderPart(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

// The target with its folder's links resolved, so that two spellings of one
// place compare equal.
std::string CanonicalPlace(const std::string& target) {
  const std::string folder = FolderPart(target);
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.empty() ? "." : folder.c_str(), nullptr),
                                                   &std::free);
  if (!real) return target;
  const std::string base = target.substr(folder.size());
  return std::string(real.get()) + (std::string(real.get()) == "/" ? "" : "/") + base;
}

}  // namespace

int ResolveSaveTarget(const std::string& path, std::string& target) {
  std::string at = path;
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0) {
      if (errno != ENOENT) return errno;
      target = at;
      return 0;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = at;
      return 0;
    }
    std::string text(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(at.c_str(), text.data(), text.size());
    if (n < 0) return errno;
    // A link rewritten longer meanwhile: look again.
    if (static_cast<std::size_t>(n) == text.size()) continue;
    text.resize(static_cast<std::size_t>(n));
    if (text.empty()) return ENOENT;
    // A relative link is relative to the folder that holds it.
    at = text.front() == '/' ? text : FolderPart(at) + text;
  }
  return ELOOP;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  const bool aExists = ::stat(a.c_str(), &sa) == 0;
  const bool bExists = ::stat(b.c_str(), &sb) == 0;
  if (aExists && bExists) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (aExists != bExists) return false;
  std::string ta;
  std::string tb;
  if (ResolveSaveTarget(a, ta) != 0 || ResolveSaveTarget(b, tb) != 0) return false;
  return CanonicalPlace(ta) == CanonicalPlace(tb);
}

bool MayWrite(const std::string& path) {
  if (::access(path.c_str(), W_OK) != 0) return false;
  struct stat st {};
  return ::geteuid() != 0 || (::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0);
}

bool PathExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool EntryExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

PathParts SplitPath(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}
