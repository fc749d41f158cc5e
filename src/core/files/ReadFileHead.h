#pragma once
// Reads the start of a regular file in one go, for loaders that know how
// much they can use.
#include <cstddef>
#include <string>

// At most `limit` bytes of the file into `out`. Returns 0, or the OsError code of
// the failure (ENOENT for a missing file, EISDIR for a folder,
// kNotRegularFile for a FIFO, a device or anything else that is no regular
// file); `out` is empty then.
int ReadFileHead(const std::string& path, std::size_t limit, std::string& out);

// As ReadFileHead; a missing file is first made empty (0666 less the
// umask), for a settings file that starts out blank.
int ReadOrCreateFile(const std::string& path, std::size_t limit, std::string& out);
