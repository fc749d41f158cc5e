#include "core/os/SaveTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Linux stops at 40 links too.
constexpr int kMaxLinks = 40;

// "dir/" of "dir/name", "" of "name".
std::string FolderPart(const std::string& path) { return path.substr(0, path.rfind('/') + 1); }

// The names of `path` pushed so that the first comes off `todo` first; "" and
// "." name nothing.
void PushComponents(const std::string& path, std::vector<std::string>& todo) {
  std::vector<std::string> names;
  for (std::size_t at = 0; at <= path.size();) {
    const std::size_t end = std::min(path.find('/', at), path.size());
    const std::string name = path.substr(at, end - at);
    if (!name.empty() && name != ".") names.push_back(name);
    at = end + 1;
  }
  todo.insert(todo.end(), names.rbegin(), names.rend());
}

std::string Joined(bool absolute, const std::vector<std::string>& names) {
  std::string path = absolute ? "/" : "";
  for (const std::string& name : names) path += (path.empty() || path.back() == '/' ? "" : "/") + name;
  return path.empty() ? "." : path;
}

// The kernel's protected-symlinks rule, kept whatever the machine's setting:
// in a sticky folder anyone may write, a link is followed only when it is
// this user's or the folder owner's. Another user's link there may lead to
// anything this user may write, and a save through it would replace that.
bool IsPlantedLink(const struct stat& link, const struct stat& folder) {
  constexpr mode_t kShared = S_ISVTX | S_IWOTH;
  if ((folder.st_mode & kShared) != kShared) return false;
  return link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

int ReadLink(const std::string& at, const struct stat& st, std::string& text) {
  for (std::size_t size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1;; size *= 2) {
    text.assign(size, '\0');
    const ssize_t n = ::readlink(at.c_str(), text.data(), text.size());
    if (n < 0) return errno;
    // A link rewritten longer meanwhile: read it again, with room.
    if (static_cast<std::size_t>(n) == text.size()) continue;
    text.resize(static_cast<std::size_t>(n));
    return text.empty() ? ENOENT : 0;
  }
}

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

OsError ResolveSaveTarget(const std::string& path, std::string& target) {
  if (path.empty()) return OsError(ENOENT);
  // The links are followed here, one component at a time, rather than by
  // the kernel, so that each may be judged before it is followed; what is
  // left in `done` holds no link at all.
  bool absolute = path.front() == '/';
  std::vector<std::string> done;
  std::vector<std::string> todo;
  PushComponents(path, todo);
  int links = 0;
  while (!todo.empty()) {
    const std::string name = std::move(todo.back());
    todo.pop_back();
    if (name == "..") {
      if (!done.empty() && done.back() != "..")
        done.pop_back();
      else if (!absolute)
        done.push_back(name);
      continue;
    }
    const std::string folder = Joined(absolute, done);
    done.push_back(name);
    const std::string at = Joined(absolute, done);
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0) {
      // A missing last name is the file the save makes; a missing folder
      // leaves nothing to save into.
      if (errno == ENOENT && todo.empty()) break;
      return OsError(errno);
    }
    if (!S_ISLNK(st.st_mode)) continue;
    done.pop_back();
    if (++links > kMaxLinks) return OsError(ELOOP);
    struct stat holder {};
    if (::stat(folder.c_str(), &holder) != 0) return OsError(errno);
    if (IsPlantedLink(st, holder)) return OsError(todo.empty() ? kForeignLink : kForeignFolderLink);
    std::string text;
    if (const int err = ReadLink(at, st, text); err != 0) return OsError(err);
    if (text.front() == '/') {
      absolute = true;
      done.clear();
    }
    PushComponents(text, todo);
  }
  target = Joined(absolute, done);
  return {};
}

// The rename needs only the folder's permission; another user's file must
// still refuse the save, and a file its owner made read-only refuses it even
// for root, as writing it in place would for anyone else.
OsError CheckReplaceable(const std::string& target, bool& exists, unsigned& mode) {
  struct stat st {};
  exists = ::stat(target.c_str(), &st) == 0;
  mode = exists ? (st.st_mode & 07777) : 0;
  if (!exists) return OsError(errno == ENOENT ? 0 : errno);
  if (!S_ISREG(st.st_mode)) return OsError(kNotRegularFile);
  if ((st.st_mode & 0222) == 0) return OsError(EACCES);
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return OsError(errno);
  return {};
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
  if (ResolveSaveTarget(a, ta) || ResolveSaveTarget(b, tb)) return false;
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

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularEntry(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

PathParts SplitPath(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}
