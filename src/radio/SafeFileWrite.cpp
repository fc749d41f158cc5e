#include "radio/SafeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "radio/SaveTemporary.h"

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

// The file a save replaces: for a symbolic link the file it leads to, so that
// the link stays (renaming over it would put a file in its place and leave
// the file it led to as it was).
std::string ReplacedFile(const std::string& name) {
  struct stat st {};
  if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(name.c_str(), nullptr), &std::free);
  return real ? real.get() : name;
}

}  // namespace

int SafeFileWrite(const std::string& name, const void* data, std::size_t size) {
  const std::string path = ReplacedFile(name);
  // The rename needs only the folder's permission; a file its owner made
  // read-only must still refuse the save, as writing it in place would.
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) return errno;
  RemoveStaleSaveTemporaries(path);
  std::string tmp;
  const int fd = CreateSaveTemporary(path, tmp);
  if (fd < 0) return -fd;

  int err = WriteAll(fd, static_cast<const unsigned char*>(data), size);
  // A replaced file keeps its own permissions.
  struct stat st {};
  if (err == 0 && ::stat(path.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) err = errno;
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(tmp.c_str());
  // Closing drops the lock, so only once the temporary's name is gone; fsync
  // has reported whatever the close could.
  ::close(fd);
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
