#include "core/os/Folders.h"

#include <cerrno>

#include "core/os/windows/WinText.h"

// A new folder takes its parent's access list: under %APPDATA% that is this
// user's alone, so Private asks nothing more.
OsError CreateFolder(const std::string& path, FolderAccess) {
  return OsError(::CreateDirectoryW(Wide(path).c_str(), nullptr) ? 0 : LastErrno());
}

OsError CreateFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at < folder.size() && folder[at] != '/' && folder[at] != '\\') continue;
    const std::string part = folder.substr(0, at);
    if (part.size() == 2 && part[1] == ':') continue;  // a drive
    if (!::CreateDirectoryW(Wide(part).c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
      return OsError(LastErrno());
  }
  const DWORD attributes = ::GetFileAttributesW(Wide(folder).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return OsError(LastErrno());
  return OsError((attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : ENOTDIR);
}
