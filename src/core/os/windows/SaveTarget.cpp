#include "core/os/SaveTarget.h"

#include <cerrno>

#include "core/os/windows/FileIndex.h"
#include "core/os/windows/WinText.h"

namespace {

DWORD AttributesOf(const std::string& path) { return ::GetFileAttributesW(Wide(path).c_str()); }

// NUL, CON, COM1...: names of devices in every folder, which no save replaces.
bool IsDevice(const std::string& path) {
  const HANDLE h = ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool device = ::GetFileType(h) != FILE_TYPE_DISK;
  ::CloseHandle(h);
  return device;
}

}  // namespace

// Links on Windows need privileges few users have; a save writes the name given.
OsError ResolveSaveTarget(const std::string& path, std::string& target) {
  target = path;
  return {};
}

OsError CheckReplaceable(const std::string& target, bool& exists, unsigned& mode) {
  exists = false;
  mode = 0;
  if (IsDevice(target)) return OsError(kNotRegularFile);
  const DWORD attributes = AttributesOf(target);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = ::GetLastError();
    return OsError(error == ERROR_FILE_NOT_FOUND ? 0 : ErrnoFromWin(error));
  }
  exists = true;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return OsError(kNotRegularFile);
  mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  return OsError((attributes & FILE_ATTRIBUTE_READONLY) ? EACCES : 0);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  FileIndex first, second;
  const bool hasFirst = IndexOf(a, first), hasSecond = IndexOf(b, second);
  if (hasFirst && hasSecond) return first.volume == second.volume && first.file == second.file;
  if (hasFirst || hasSecond) return false;
  wchar_t fullA[MAX_PATH * 4], fullB[MAX_PATH * 4];
  if (!::GetFullPathNameW(Wide(a).c_str(), MAX_PATH * 4, fullA, nullptr) ||
      !::GetFullPathNameW(Wide(b).c_str(), MAX_PATH * 4, fullB, nullptr))
    return false;
  return ::CompareStringOrdinal(fullA, -1, fullB, -1, TRUE) == CSTR_EQUAL;
}

// A folder's read-only flag means nothing to the system; a file's does.
bool MayWrite(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) || !(attributes & FILE_ATTRIBUTE_READONLY);
}

bool PathExists(const std::string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }
bool EntryExists(const std::string& path) { return PathExists(path); }
bool IsFolder(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
bool IsRegularEntry(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) && !IsDevice(path);
}

PathParts SplitPath(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  if (slash == std::string::npos) {
    // "C:name" is the drive's current folder.
    if (path.size() > 2 && path[1] == ':') return {path.substr(0, 2), path.substr(2)};
    return {".", path};
  }
  const bool root = slash == 0 || (slash == 2 && path[1] == ':');
  return {path.substr(0, root ? slash + 1 : slash), path.substr(slash + 1)};
}
