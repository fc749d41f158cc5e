#include "core/os/LockFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

constexpr char kNameTemplate[] = "XXXXXX";

// Whether `fd` is still the file at `path`: a lock on a file that another
// start has just removed guards nothing.
bool IsFileAt(int fd, const std::string& path) {
  struct stat held {
  }, named{};
  return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

OsError CLockFile::ClaimNew(const std::string& folder, const std::string& extension, std::string& path) {
  Release();
  for (int attempt = 0; attempt < 16; ++attempt) {
    path = folder + kNameTemplate + extension;
    // Not inherited: the program a language change starts would hold it.
    const int fd = ::mkostemps(path.data(), static_cast<int>(extension.size()), O_CLOEXEC);
    if (fd < 0) return OsError(errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsFileAt(fd, path)) {
      m_handle = fd;
      return {};
    }
    ::close(fd);
  }
  return OsError(EAGAIN);
}

bool CLockFile::TakeAbandoned(const std::string& path) {
  Release();
  int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsFileAt(fd, path)) {
    m_handle = fd;
    return true;
  }
  ::close(fd);
  return false;
}

void CLockFile::Release() {
  if (m_handle >= 0) ::close(m_handle);
  m_handle = -1;
}
