#include "radio/SaveTemporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <random>

namespace {

constexpr char kInfix[] = ".tmp";
constexpr std::size_t kRandomChars = 6;

}  // namespace

int CreateSaveTemporary(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long seed = (static_cast<unsigned long long>(random()) << 32) ^
                              (static_cast<unsigned long long>(::getpid()) << 16) ^ counter++;
    std::string tmp = target + kInfix;
    for (std::size_t i = 0; i < kRandomChars; ++i, seed /= sizeof kLetters - 1)
      tmp += kLetters[seed % (sizeof kLetters - 1)];
    // 0666: the kernel applies the umask (or the folder's default ACL) as for
    // any new file, without this process touching its umask, which all
    // threads share.
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -errno;
    }
    // A sweep by another save may take the lock between the file's creation
    // and ours and remove the file: then its link count is 0 and we start
    // again with a new name.
    struct stat st {};
    if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0) {
      const int err = errno;
      ::unlink(tmp.c_str());
      ::close(fd);
      return -err;
    }
    if (st.st_nlink > 0) {
      name = tmp;
      return fd;
    }
    ::close(fd);
  }
  return -EEXIST;
}

void RemoveStaleSaveTemporaries(const std::string& folder,
                                const std::function<bool(const std::string&)>& isTarget) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const std::size_t infix = name.size() - std::min(name.size(), sizeof kInfix - 1 + kRandomChars);
    if (infix == 0 || name.compare(infix, sizeof kInfix - 1, kInfix) != 0 || !isTarget(name.substr(0, infix)))
      continue;
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

void RemoveStaleSaveTemporaries(const std::string& target) {
  const auto slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  RemoveStaleSaveTemporaries(folder, [&](const std::string& name) { return name == base; });
}
