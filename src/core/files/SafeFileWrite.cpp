#include "core/files/SafeFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/files/SaveTarget.h"

namespace {

constexpr mode_t kPrivateMode = 0600;

// 0 when `target` may be replaced: missing, or a regular file with a write
// bit that this user may write. The mode bits decide even for root, who may
// write anything: a file its owner made read-only refuses the save, as
// writing it in place would for anyone else.
int CheckTarget(const std::string& target, struct stat& st, bool& exists) {
  exists = ::stat(target.c_str(), &st) == 0;
  if (!exists) return errno == ENOENT ? 0 : errno;
  if (!S_ISREG(st.st_mode)) return kNotRegularFile;
  if ((st.st_mode & 0222) == 0) return EACCES;
  // The rename needs only the folder's permission; another user's file must
  // still refuse the save.
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
  return 0;
}

}  // namespace

int CheckSaveTarget(const std::string& path) {
  std::string target;
  if (const int err = ResolveSaveTarget(path, target); err != 0) return err;
  struct stat st {};
  bool exists = false;
  return CheckTarget(target, st, exists);
}

int CSafeFile::Open(const std::string& path, FileAccess access, TemporaryKind kind) {
  m_temp.Discard();
  m_nError = 0;
  int err = ResolveSaveTarget(path, m_strTarget);
  if (err != 0) return err;
  struct stat st {};
  bool exists = false;
  err = CheckTarget(m_strTarget, st, exists);
  if (err != 0) return err;

  const PathParts parts = SplitPath(m_strTarget);
  RemoveStaleSaveTemporaries(m_strTarget);
  const bool privateMode = access == FileAccess::Private || (access == FileAccess::PrivateWhenNew && !exists);
  err = m_temp.Create(parts.folder, parts.name, privateMode ? kPrivateMode : 0666, kind);
  if (err != 0) return err;
  // A replaced file keeps its own permissions; a private one is private
  // whatever the folder's default ACL would have made it.
  const bool keepMode = access != FileAccess::Private && exists;
  if ((keepMode || privateMode) && ::fchmod(m_temp.Fd(), keepMode ? (st.st_mode & 07777) : kPrivateMode) != 0) {
    err = errno;
    m_temp.Discard();
  }
  return err;
}

int CSafeFile::Write(const void* data, std::size_t size) {
  if (m_nError == 0 && !IsOpen()) m_nError = EBADF;
  const auto* p = static_cast<const unsigned char*>(data);
  while (m_nError == 0 && size > 0) {
    const ssize_t n = ::write(m_temp.Fd(), p, size);
    if (n < 0) {
      if (errno != EINTR) m_nError = errno;
      continue;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return m_nError;
}

int CSafeFile::Commit() {
  if (m_nError == 0 && !IsOpen()) m_nError = EBADF;
  if (m_nError == 0 && ::fsync(m_temp.Fd()) != 0) m_nError = errno;
  // A long save (a trace) gives time for something else to take the name.
  struct stat st {};
  bool exists = false;
  if (m_nError == 0) m_nError = CheckTarget(m_strTarget, st, exists);
  if (m_nError == 0) return m_nError = m_temp.Replace();
  m_temp.Discard();
  return m_nError;
}

int SafeFileWrite(const std::string& path, const void* data, std::size_t size, FileAccess access) {
  CSafeFile file;
  int err = file.Open(path, access);
  if (err == 0) err = file.Write(data, size);
  if (err == 0) err = file.Commit();
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
