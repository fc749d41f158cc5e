#pragma once
// Which file a save to a name replaces, and whether two names are one file.
#include <string>

// The file a save to `path` replaces: symbolic links followed to their end,
// also to a link that leads nowhere yet (the save then creates the file it
// names, and the link stays). 0, or the errno of the failure (ELOOP for a
// ring of links).
int ResolveSaveTarget(const std::string& path, std::string& target);

// True when `a` and `b` are one file once links are followed: the same
// device and inode, or, for a file not made yet, the same place.
bool IsSameFile(const std::string& a, const std::string& b);
