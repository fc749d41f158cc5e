#include "core/files/ReadFileHead.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/files/RegularFile.h"

int ReadFileHead(const std::string& path, std::size_t limit, std::string& out) {
  out.clear();
  int err = 0;
  const int fd = OpenRegularFile(path, 0, err);
  if (fd < 0) return err;
  char buffer[8192];
  while (out.size() < limit) {
    const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - out.size()));
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      ::close(fd);
      out.clear();
      return err;
    }
    if (n == 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return 0;
}
