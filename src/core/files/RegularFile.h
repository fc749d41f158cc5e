#pragma once
// Opening a file the program reads whole. A FIFO or a device would make the
// open or the reads wait for a writer that never comes, so only a regular
// file is taken.
#include <string>

#include "core/lang/Language.h"

// The error of a file that exists and is no regular file (a FIFO, a device,
// a socket), to be read or replaced; beyond every errno.
constexpr int kNotRegularFile = 0x10000;
// A save's name is, or goes through a folder that is, another user's link in
// a sticky folder anyone may write, which a save does not follow.
constexpr int kForeignLink = 0x10001;
constexpr int kForeignFolderLink = 0x10002;
// No home folder is known for the user's private files (no $HOME, no
// password entry), or the folder for them is one another user may write.
constexpr int kNoHomeFolder = 0x10003;
constexpr int kSharedFolder = 0x10004;

// Opens `path` read-only (plus `extraFlags`, O_CREAT for instance, with mode
// 0666 less the umask) without waiting on it. Returns the descriptor, or -1
// with `err` set: the errno of the open, EISDIR for a folder,
// kNotRegularFile for anything else that is no regular file.
int OpenRegularFile(const std::string& path, int extraFlags, int& err);

// Why a file could not be read or saved, for a message: the program's own
// text for each error above, else the system's text of the errno.
std::string FileErrorText(int err, Language language = Language::English);
