#include "core/os/Folders.h"

#include <sys/stat.h>

#include <cerrno>

OsError CreateFolder(const std::string& path, FolderAccess access) {
  return OsError(::mkdir(path.c_str(), access == FolderAccess::Private ? 0700 : 0777) != 0 ? errno : 0);
}

OsError CreateFolders(const std::string& folder) {
  for (std::size_t at = 1; at <= folder.size(); ++at) {
    if (at < folder.size() && folder[at] != '/') continue;
    const std::string part = folder.substr(0, at);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return OsError(errno);
  }
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0) return OsError(errno);
  return OsError(S_ISDIR(st.st_mode) ? 0 : ENOTDIR);
}
