#include "radio/SafeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>

namespace {

int WriteAll(int fd, const unsigned char* p, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

// A temporary name beside `path` that nobody holds yet, created with 0666:
// the kernel applies the umask (or the folder's default ACL) as for any new
// file, without this process touching its umask, which all threads share.
int CreateTemporary(const std::string& path, std::string& tmp) {
  static std::atomic<unsigned> counter{0};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned long long seed = (static_cast<unsigned long long>(random()) << 32) ^
                              (static_cast<unsigned long long>(::getpid()) << 16) ^ counter++;
    tmp = path + ".tmp";
    for (int i = 0; i < 6; ++i, seed /= sizeof kLetters - 1) tmp += kLetters[seed % (sizeof kLetters - 1)];
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

int SafeFileWrite(const std::string& path, const void* data, std::size_t size) {
  std::string tmp;
  const int fd = CreateTemporary(path, tmp);
  if (fd < 0) return errno;

  int err = WriteAll(fd, static_cast<const unsigned char*>(data), size);
  // A replaced file keeps its own permissions.
  struct stat st {};
  if (err == 0 && ::stat(path.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(tmp.c_str());
  return err;
}

int MakeFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at < folder.size() && folder[at] != '/') continue;
    const std::string part = folder.substr(0, at);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return errno;
  return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}
