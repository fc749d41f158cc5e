#pragma once
// Why a request to the operating system failed, in the terms the program
// tells causes apart by: a number of the <cerrno> list (ENOENT, EACCES,
// EBUSY...), which every system's implementation of the seam maps its own
// failures to, or one of the program's own numbers below. The system's words
// for it come from SystemErrorText, so a message reads as the system says it.
#include <string>

// A file that exists and is no regular file (a FIFO, a device, a socket), to
// be read or replaced; beyond every <cerrno> number.
constexpr int kNotRegularFile = 0x10000;
// A save's name is, or goes through a folder that is, another user's link in
// a sticky folder anyone may write, which a save does not follow.
constexpr int kForeignLink = 0x10001;
constexpr int kForeignFolderLink = 0x10002;
// No home folder is known for the user's private files (no $HOME, no
// password entry), or the folder for them is one another user may write.
constexpr int kNoHomeFolder = 0x10003;
constexpr int kSharedFolder = 0x10004;

struct OsError {
  int code = 0;  // 0: no failure

  constexpr OsError() = default;
  constexpr explicit OsError(int number) : code(number) {}
  constexpr explicit operator bool() const { return code != 0; }
  constexpr bool operator==(int number) const { return code == number; }
  constexpr bool operator!=(int number) const { return code != number; }
};

// The system's own text for a <cerrno> number (the program's own numbers
// have texts of their own, in FileTexts).
std::string SystemErrorText(int code);
