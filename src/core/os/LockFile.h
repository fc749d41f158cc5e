#pragma once
// A lock file held by this process alone, for as long as the object lives;
// the system lets it go however the process ends, a kill too.
#include <string>

#include "core/os/OsError.h"

class CLockFile {
 public:
  CLockFile() = default;
  ~CLockFile() { Release(); }
  CLockFile(CLockFile&& other) noexcept : m_handle(other.m_handle) { other.m_handle = -1; }
  CLockFile& operator=(CLockFile&& other) noexcept;
  CLockFile(const CLockFile&) = delete;
  CLockFile& operator=(const CLockFile&) = delete;

  bool IsHeld() const { return m_handle >= 0; }

  // Makes a file of a new name in `folder` (which ends in '/'), six letters
  // and digits then `extension`, for this user alone, and holds it; `path`
  // gets its path. The file is not inherited by a program started from here.
  // A name just made can be taken for an abandoned lock by someone who looks
  // before this one locks it: such a name is given up for another, and after
  // sixteen of them the answer is EAGAIN.
  OsError ClaimNew(const std::string& folder, const std::string& extension, std::string& path);

  // Holds the lock at `path` of an owner that is gone: true when it is held
  // now. A lock file that is missing is made, so that a second look finds it
  // held too. False while someone else holds it; also for a lock file that
  // cannot be opened, which is then never touched, and for one that is not a
  // regular file: a FIFO of that name would hold the look on its open.
  bool TakeAbandoned(const std::string& path);

  // Lets the lock go; the file stays.
  void Release();

 private:
  int m_handle = -1;
};
