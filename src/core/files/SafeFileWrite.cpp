#include "core/files/SafeFileWrite.h"

#include <cerrno>

#include "core/os/Folders.h"
#include "core/os/SaveTarget.h"

namespace {

constexpr unsigned kPrivateMode = 0600;

}  // namespace

int CheckSaveTarget(const std::string& path) {
  std::string target;
  if (const OsError err = ResolveSaveTarget(path, target)) return err.code;
  bool exists = false;
  unsigned mode = 0;
  return CheckReplaceable(target, exists, mode).code;
}

int CSafeFile::Open(const std::string& path, FileAccess access, TemporaryKind kind) {
  m_temp.Discard();
  m_nError = 0;
  if (const OsError err = ResolveSaveTarget(path, m_strTarget)) return err.code;
  bool exists = false;
  unsigned mode = 0;
  if (const OsError err = CheckReplaceable(m_strTarget, exists, mode)) return err.code;

  const PathParts parts = SplitPath(m_strTarget);
  RemoveStaleSaveTemporaries(m_strTarget);
  const bool privateMode = access == FileAccess::Private || (access == FileAccess::PrivateWhenNew && !exists);
  if (const OsError err = m_temp.Create(parts.folder, parts.name, privateMode ? kPrivateMode : 0666, kind))
    return err.code;
  // A replaced file keeps its own permissions; a private one is private
  // whatever the folder's default ACL would have made it.
  const bool keepMode = access != FileAccess::Private && exists;
  if (!keepMode && !privateMode) return 0;
  const OsError err = m_temp.SetMode(keepMode ? mode : kPrivateMode);
  if (err) m_temp.Discard();
  return err.code;
}

int CSafeFile::Write(const void* data, std::size_t size) {
  if (m_nError == 0 && !IsOpen()) m_nError = EBADF;
  if (m_nError == 0) m_nError = m_temp.Write(data, size).code;
  return m_nError;
}

int CSafeFile::Commit() {
  if (m_nError == 0 && !IsOpen()) m_nError = EBADF;
  if (m_nError == 0) m_nError = m_temp.Sync().code;
  // A long save (a trace) gives time for something else to take the name.
  bool exists = false;
  unsigned mode = 0;
  if (m_nError == 0) m_nError = CheckReplaceable(m_strTarget, exists, mode).code;
  if (m_nError == 0) return m_nError = m_temp.Replace().code;
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

int MakeFolders(const std::string& folder) { return CreateFolders(folder).code; }
