#pragma once
// Replaces a file's contents so that a failed or interrupted write leaves the
// old file whole: write a temporary file beside it, flush it to disk, rename
// it over the target.
#include <cstddef>
#include <string>

// A symbolic link stays a link: the file it leads to is replaced. A file
// this user may not write is refused (EACCES), as writing it in place would be.
// Returns 0 on success, else the errno of the step that failed (the target is
// then unchanged and no temporary file is left behind).
int SafeFileWrite(const std::string& path, const void* data, std::size_t size);

// Makes `folder` and every missing folder above it, each new one for this
// user alone (0700). Returns 0 when the folder exists afterwards, else the
// errno of the failure (ENOTDIR when a file stands in the way).
int MakeFolders(const std::string& folder);
