#include "core/files/ReadFileHead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/files/RegularFile.h"
#include "core/files/SaveTarget.h"

namespace {

int ReadOpened(const std::string& path, int extraFlags, std::size_t limit, std::string& out) {
  out.clear();
  int err = 0;
  const int fd = OpenRegularFile(path, extraFlags, err);
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

}  // namespace

int ReadFileHead(const std::string& path, std::size_t limit, std::string& out) {
  return ReadOpened(path, 0, limit, out);
}

int ReadOrCreateFile(const std::string& path, std::size_t limit, std::string& out) {
  const int err = ReadOpened(path, 0, limit, out);
  if (err != ENOENT) return err;
  // Made where a save would make it: never through a link another user
  // planted in a shared folder.
  std::string target;
  if (const int refused = ResolveSaveTarget(path, target); refused != 0) return refused;
  return ReadOpened(target, O_CREAT | O_NOFOLLOW, limit, out);
}
