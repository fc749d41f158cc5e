#pragma once
// Opening a file the program reads whole. A FIFO or a device would make the
// open or the reads wait for a writer that never comes, so only a regular
// file is taken.
#include <string>

// Opens `path` read-only (plus `extraFlags`, O_CREAT for instance, with mode
// 0666 less the umask) without waiting on it. Returns the descriptor, or -1
// with `err` set: the errno of the open, EISDIR for a folder, EINVAL for
// anything else that is no regular file.
int OpenRegularFile(const std::string& path, int extraFlags, int& err);

// Why a file could not be read, for a message: "not a regular file" for what
// OpenRegularFile refuses as such (EINVAL, whose own text, "Invalid
// argument", tells a user nothing), else the system's text of `err`.
std::string ReadErrorText(int err, bool chinese);
