#pragma once
// Which file a save to a name replaces, whether two names are one file, and
// whether this user may write a place at all.
#include <string>

#include "core/os/OsError.h"

// The file a save to `path` replaces: symbolic links followed to their end,
// also to a link that leads nowhere yet (the save then creates the file it
// names, and the link stays), the folders' links too, so that `target` holds
// none. Another user's link in a shared folder is not followed
// (kForeignLink, kForeignFolderLink). No error, or the error (ELOOP for a
// ring of links).
OsError ResolveSaveTarget(const std::string& path, std::string& target);

// Whether the resolved `target` may be replaced: missing, or a regular file
// with a write bit that this user may write (kNotRegularFile, EACCES or the
// system's refusal otherwise). The mode bits decide even for root. `exists`
// tells whether there is a file, `mode` its permission bits.
OsError CheckReplaceable(const std::string& target, bool& exists, unsigned& mode);

// True when `a` and `b` are one file once links are followed: the same
// device and inode, or, for a file not made yet, the same place.
bool IsSameFile(const std::string& a, const std::string& b);

// Whether this user may write `path`, a file or a folder. The permission bits
// count for root too, so that a program folder made read-only stays so for an
// administrator (access() alone would let root write anything on a writable
// file system).
bool MayWrite(const std::string& path);

// Whether anything is at `path`, links followed.
bool PathExists(const std::string& path);
// Whether `path` itself names anything, a link that leads nowhere included.
bool EntryExists(const std::string& path);
// Whether `path` leads to a folder, links followed.
bool IsFolder(const std::string& path);
// Whether `path` itself is a regular file (a link is not).
bool IsRegularEntry(const std::string& path);

// The folder that holds `path` ("." for a bare name, "/" for one at the root)
// and the path's last component.
struct PathParts {
  std::string folder;
  std::string name;
};
PathParts SplitPath(const std::string& path);
