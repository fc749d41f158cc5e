#pragma once
// Opening a file the program reads whole. A FIFO or a device would make the
// open or the reads wait for a writer that never comes, so only a regular
// file is taken.
#include <string>

#include "core/lang/Language.h"

// The error of a file that exists and is no regular file (a FIFO, a device,
// a socket), to be read or replaced; beyond every errno.
constexpr int kNotRegularFile = 0x10000;

// Opens `path` read-only (plus `extraFlags`, O_CREAT for instance, with mode
// 0666 less the umask) without waiting on it. Returns the descriptor, or -1
// with `err` set: the errno of the open, EISDIR for a folder,
// kNotRegularFile for anything else that is no regular file.
int OpenRegularFile(const std::string& path, int extraFlags, int& err);

// Why a file could not be read or saved, for a message: "not a regular file"
// for kNotRegularFile, else the system's text of the errno.
std::string FileErrorText(int err, Language language = Language::English);
