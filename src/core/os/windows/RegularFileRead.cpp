#include "core/os/RegularFileRead.h"

#include <algorithm>
#include <cerrno>

#include "core/os/windows/WinText.h"

// Read through the system's calls, never a text-mode stream: there a 0x1A
// byte would end the file and CR LF would lose its CR.
OsError ReadRegularFile(const std::string& path, std::size_t limit, std::string& out, MissingFile missing) {
  out.clear();
  const std::wstring wide = Wide(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return OsError(EISDIR);
  const DWORD disposition = missing == MissingFile::CreateEmpty ? OPEN_ALWAYS : OPEN_EXISTING;
  const HANDLE h = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return OsError(LastErrno());
  // NUL, CON, COM1: devices answer to any name in any folder.
  if (::GetFileType(h) != FILE_TYPE_DISK) {
    ::CloseHandle(h);
    return OsError(kNotRegularFile);
  }
  char buffer[8192];
  while (out.size() < limit) {
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min(sizeof buffer, limit - out.size()));
    if (!::ReadFile(h, buffer, want, &n, nullptr)) {
      const OsError err(LastErrno());
      ::CloseHandle(h);
      out.clear();
      return err;
    }
    if (n == 0) break;
    out.append(buffer, n);
  }
  ::CloseHandle(h);
  return {};
}
