#include "core/os/LockFile.h"

#include <cerrno>
#include <random>

#include "core/os/windows/HandleFd.h"

// A file opened with no sharing is held: nobody else opens it until this
// process closes it or ends.
namespace {

HANDLE OpenHeld(const std::string& path, DWORD disposition) {
  return ::CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

OsError CLockFile::ClaimNew(const std::string& folder, const std::string& extension, std::string& path) {
  Release();
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    path = folder;
    for (int i = 0; i < 6; ++i) path += kLetters[random() % (sizeof kLetters - 1)];
    path += extension;
    const HANDLE h = OpenHeld(path, CREATE_NEW);
    if (h == INVALID_HANDLE_VALUE) {
      if (::GetLastError() == ERROR_FILE_EXISTS) continue;
      return OsError(LastErrno());
    }
    m_handle = DescriptorFor(h);
    if (m_handle >= 0) return {};
  }
  return OsError(EAGAIN);
}

bool CLockFile::TakeAbandoned(const std::string& path) {
  Release();
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
    return false;
  const HANDLE h = OpenHeld(path, OPEN_ALWAYS);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (::GetFileType(h) != FILE_TYPE_DISK) {
    ::CloseHandle(h);
    return false;
  }
  m_handle = DescriptorFor(h);
  return m_handle >= 0;
}

void CLockFile::Release() {
  if (m_handle >= 0) ::_close(m_handle);
  m_handle = -1;
}
