#pragma once
// Whether a folder may keep this user's private files.
#include <string>

#include "core/os/OsError.h"

// No error when nobody but this user and the administrator can write
// `folder` or swap it for another (a folder above it that others may write
// must keep others from renaming what is not theirs); kNoHomeFolder for an
// empty or relative one, kSharedFolder, or the failure of a look. A folder
// not made yet is judged by the nearest one that is, where it would be made.
OsError JudgePrivateFolder(const std::string& folder);
