#pragma once
// Recovery copies: while a document has unsaved changes, the window keeps its
// image as a data file in the user's state folder (RecoveryFolder), so that a
// kill, a logout or a power cut loses at most the last few seconds of edits.
// The next start offers each copy whose program is gone.
//
// Each run claims the folder with a lock file of its own, "<owner>.lock",
// held with flock for the whole run, and names its copies after it,
// "<owner>-<n>.dat". A copy belongs to a live program while its owner's lock
// is held, so a second program running meanwhile neither offers nor removes
// it; the kernel lets the lock go however the process ends, a SIGKILL too.
#include <string>
#include <vector>

#include "core/os/LockFile.h"
#include "core/radio/RadioImage.h"

// How long a change may wait before its copy is written: what a crash loses
// at most, against a rewrite of the file at every keystroke.
constexpr int kRecoveryDelayMs = 2000;

class CRecoveryOwner {
 public:
  CRecoveryOwner() = default;
  // The lock file goes, the copies stay: those still here are the caller's
  // to remove, or are offered at the next start.
  ~CRecoveryOwner();
  CRecoveryOwner(const CRecoveryOwner&) = delete;
  CRecoveryOwner& operator=(const CRecoveryOwner&) = delete;

  // Makes `folder` (for this user alone) and takes a lock file of a new name
  // in it. 0, kSharedFolder or kNoHomeFolder for a folder that is not this
  // user's alone (see CheckPrivateFolder), or the OsError code of the failure; no
  // copy is written without it.
  int Claim(const std::string& folder);
  bool IsClaimed() const { return m_lock.IsHeld(); }
  const std::string& Folder() const { return m_strFolder; }

  // The copy of this run's document `number`.
  std::string CopyPath(int number) const;
  // Writes the copy as a data file, private, through the one save function:
  // a copy killed while it is written is still the whole earlier one. 0 or
  // the error (an OsError code or kNotRegularFile).
  int Write(int number, const RadioImage& image) const;
  void Remove(int number) const;

 private:
  std::string m_strFolder;
  std::string m_strOwner;
  CLockFile m_lock;
};

// The copies left by programs that are gone, oldest first; none from a folder
// that is not this user's alone. While this object lives their owners' locks
// are held here, so a program started meanwhile does not offer them too.
class COrphanedCopies {
 public:
  explicit COrphanedCopies(const std::string& folder);
  // The lock files of the owners none of whose copies is left go too.
  ~COrphanedCopies();
  COrphanedCopies(const COrphanedCopies&) = delete;
  COrphanedCopies& operator=(const COrphanedCopies&) = delete;

  const std::vector<std::string>& Paths() const { return m_paths; }

 private:
  struct HeldOwner {
    std::string owner;
    CLockFile lock;  // its lock file, held
  };
  std::string m_strFolder;
  std::vector<std::string> m_paths;
  std::vector<HeldOwner> m_owners;
};

// Removes a copy found at start once it was opened again or discarded.
void RemoveRecoveryCopy(const std::string& path);
