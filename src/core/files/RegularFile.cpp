#include "core/files/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/files/FileTexts.h"

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

std::string FileErrorText(int err, Language language) {
  switch (err) {
    case kNotRegularFile: return kNotRegularFileText(language);
    case kForeignLink: return kForeignLinkText(language);
    case kForeignFolderLink: return kForeignFolderLinkText(language);
    case kNoHomeFolder: return kNoHomeFolderText(language);
    case kSharedFolder: return kSharedFolderText(language);
    default: break;
  }
  return std::strerror(err);
}
