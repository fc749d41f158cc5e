#pragma once
// The temporary file a save writes before it takes the target's place.
//
// Where the file system allows it the temporary has no name while it is
// written (O_TMPFILE), so a save killed then leaves nothing behind. It is
// given a name beside the target only for the moment of the rename:
// "<target>.tmp-<proof>", the proof being its own inode number and birth
// time (a target's name too long to take the suffix is cut to fit). A file
// whose name holds the proof of its own inode is the remains of a save
// killed in that moment; only such a file, with nobody holding its lock, is
// ever removed, so a user's file survives under any name.
//
// A file system that refuses O_TMPFILE gets a temporary created under a name
// of its own, locked, and linked to its proof name at once.
#include <cstddef>
#include <functional>
#include <string>

#include "core/os/OsError.h"

enum class TemporaryKind { Unnamed, Named };

class CSaveTemporary {
 public:
  CSaveTemporary() = default;
  ~CSaveTemporary() { Discard(); }
  CSaveTemporary(const CSaveTemporary&) = delete;
  CSaveTemporary& operator=(const CSaveTemporary&) = delete;

  // Creates and locks the temporary for the file `name` in `folder`, with
  // the permission bits `mode` less the umask. Unnamed falls back to Named
  // where the file system refuses it.
  OsError Create(const std::string& folder, const std::string& name, unsigned mode,
                 TemporaryKind kind = TemporaryKind::Unnamed);
  // The open file's descriptor, -1 when there is none.
  int Fd() const { return m_fd; }
  // Gives the temporary the permission bits `mode`, whatever the umask.
  OsError SetMode(unsigned mode);
  // Appends all `size` bytes.
  OsError Write(const void* data, std::size_t size);
  // Puts what was written on the disk.
  OsError Sync();
  // Renames the temporary over the target, then syncs the folder so that the
  // rename outlives a power cut. The error of the failed step; the target is
  // as it was unless only the folder's sync failed.
  OsError Replace();
  // Removes the temporary, if it has a name, and closes it.
  void Discard();

 private:
  OsError Name();

  int m_dirFd = -1;
  int m_fd = -1;
  std::string m_strTarget;  // the target's name in the folder
  std::string m_strName;    // the temporary's name in the folder; empty while it has none
};

// The proof name of the file open at `fd` as a temporary of `target` (a path
// or a name); empty when the file cannot be examined.
std::string SaveTemporaryName(const std::string& target, int fd);

// Removes what killed saves of `target` left.
void RemoveStaleSaveTemporaries(const std::string& target);
// The same for every target in `folder` whose file name `isTarget` accepts
// (the start of it that begins a temporary's name, when the name is long),
// for files that are written once under a new name each time (a later save
// of the same target never comes to clear them).
void RemoveStaleSaveTemporaries(const std::string& folder, const std::function<bool(const std::string&)>& isTarget);
