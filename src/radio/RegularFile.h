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
