#pragma once
// Making folders.
#include <string>

#include "core/os/OsError.h"

enum class FolderAccess {
  Shared,  // 0777 less the umask, as any new folder
  Private  // this user's alone (0700)
};

// Makes the one folder `path`; its parent must exist. EEXIST when something
// is there already.
OsError CreateFolder(const std::string& path, FolderAccess access);

// Makes `folder` and every missing folder above it, each new one Private.
// No error when the folder exists afterwards, else the failure (ENOTDIR when
// a file stands in the way).
OsError CreateFolders(const std::string& folder);
