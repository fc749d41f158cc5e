#include "radio/SaveTemporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace {

constexpr char kInfix[] = ".tmp";
constexpr std::size_t kRandomChars = 6;  // mkostemp's XXXXXX

void SplitPath(const std::string& path, std::string& folder, std::string& base) {
  const auto slash = path.rfind('/');
  folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  base = slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsTemporaryOf(const std::string& name, const std::string& prefix) {
  return name.size() == prefix.size() + kRandomChars && name.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

int CreateSaveTemporary(const std::string& target, std::string& name) {
  // A sweep by another save may take the lock between the file's creation and
  // ours and remove the file: then its link count is 0 and we start again.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::vector<char> buffer(target.begin(), target.end());
    const std::string suffix = std::string(kInfix) + std::string(kRandomChars, 'X');
    buffer.insert(buffer.end(), suffix.begin(), suffix.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0) return -errno;
    struct stat st {};
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0) {
      const int err = errno;
      ::unlink(buffer.data());
      ::close(fd);
      return -err;
    }
    if (st.st_nlink > 0) {
      name = buffer.data();
      return fd;
    }
    ::close(fd);
  }
  return -EAGAIN;
}

void RemoveStaleSaveTemporaries(const std::string& target) {
  std::string folder;
  std::string base;
  SplitPath(target, folder, base);
  const std::string prefix = base + kInfix;
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsTemporaryOf(name, prefix)) continue;
    const std::string path = folder + "/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held {};
    struct stat named {};
    // Remove it only while we hold its lock and the name still means it.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == held.st_ino && named.st_dev == held.st_dev)
      ::unlink(path.c_str());
    ::close(fd);
  }
  ::closedir(dir);
}
