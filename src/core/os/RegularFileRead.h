#pragma once
// Reading a file the program takes whole. A FIFO or a device would make the
// open or the reads wait for a writer that never comes, so only a regular
// file is read.
#include <cstddef>
#include <string>

#include "core/os/OsError.h"

enum class MissingFile {
  Refuse,       // ENOENT
  CreateEmpty,  // made empty, 0666 less the umask, unless `path` is a link
};

// At most `limit` bytes of the regular file `path` into `out`; `out` is empty
// after a failure: the open's, EISDIR for a folder, kNotRegularFile for
// anything else that is no regular file, or the read's.
OsError ReadRegularFile(const std::string& path, std::size_t limit, std::string& out,
                        MissingFile missing = MissingFile::Refuse);
