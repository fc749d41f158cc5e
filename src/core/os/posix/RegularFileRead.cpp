#include "core/os/RegularFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// The descriptor, or -1 with `err` set.
int OpenRegularFile(const std::string& path, int extraFlags, int& err) {
  // O_NONBLOCK lets the open of a FIFO return at once; on a regular file it
  // changes nothing.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | extraFlags, 0666);
  if (fd < 0) {
    err = errno;
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0)
    err = errno;
  else if (S_ISREG(st.st_mode))
    return fd;
  else
    err = S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
  ::close(fd);
  return -1;
}

}  // namespace

OsError ReadRegularFile(const std::string& path, std::size_t limit, std::string& out, MissingFile missing) {
  out.clear();
  int err = 0;
  const int fd = OpenRegularFile(path, missing == MissingFile::CreateEmpty ? O_CREAT | O_NOFOLLOW : 0, err);
  if (fd < 0) return OsError(err);
  char buffer[8192];
  while (out.size() < limit) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - out.size()));
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      ::close(fd);
      out.clear();
      return OsError(err);
    }
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return {};
}
