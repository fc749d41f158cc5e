#pragma once
// The one way the program writes a file: data files, "Program.ini", CSV
// lists, PDF reports, serial traces and backups all go through here.
//
// The new contents go to a temporary file beside the target, flushed to
// disk and renamed over it, so that a failed, killed or powerless save leaves
// the old file whole (see SaveTemporary.h). Only a regular file is ever
// replaced: a device, a FIFO, a socket or a folder at the name (links
// followed) refuses the save and stays as it was.
#include <cstddef>
#include <string>

#include "core/files/RegularFile.h"
#include "core/os/SaveTemporary.h"

enum class FileAccess {
  Shared,   // a new file takes 0666 less the umask, a replaced one keeps its mode
  Private,  // 0600 whatever the umask and the folder: it holds a radio's memory
  // A new file 0600, as Private; a replaced one keeps the mode its owner gave it.
  PrivateWhenNew,
};

// Whether a save to `path` may go ahead, as the save itself judges it before
// it writes: 0, or kNotRegularFile, EACCES or the OsError code that refuses it. A
// command that has work to do first (a radio to read) asks before it starts.
int CheckSaveTarget(const std::string& path);

// A save written in pieces, for a file whose contents come over time (a
// serial trace): Open makes every check a save makes and creates the
// temporary, Write adds to it, Commit puts it in the target's place.
// Dropped without Commit, it leaves the target untouched and nothing behind.
class CSafeFile {
 public:
  CSafeFile() = default;
  CSafeFile(const CSafeFile&) = delete;
  CSafeFile& operator=(const CSafeFile&) = delete;

  // A symbolic link stays a link: the file it leads to is replaced, or made
  // when the link leads nowhere yet. A file with no write bit in its mode is
  // refused (EACCES), even for root, as is one this user may not write. 0 or
  // the error.
  int Open(const std::string& path, FileAccess access = FileAccess::Shared,
           TemporaryKind kind = TemporaryKind::Unnamed);
  bool IsOpen() const { return m_temp.Fd() >= 0; }
  // 0, or the first error of any write so far (nothing more is written then).
  int Write(const void* data, std::size_t size);
  // 0 or the first error of the whole save; the target is then as it was.
  int Commit();
  void Discard() { m_temp.Discard(); }

 private:
  std::string m_strTarget;
  CSaveTemporary m_temp;
  int m_nError = 0;
};

// Open, Write and Commit in one. 0 or the error (kNotRegularFile, else an
// OsError code); the target is then unchanged and no temporary file is left.
int SafeFileWrite(const std::string& path, const void* data, std::size_t size, FileAccess access = FileAccess::Shared);

// Makes `folder` and every missing folder above it, each new one for this
// user alone (0700). Returns 0 when the folder exists afterwards, else the
// OsError code of the failure (ENOTDIR when a file stands in the way).
int MakeFolders(const std::string& folder);
