#pragma once
// What a file was when the program last read or wrote it, to notice another
// program's save in between: size, modification time to the nanosecond,
// device and inode. A save through a new file and a rename (programcli, this
// program, most editors) gives a new inode even within the same second and
// at the same size.
#include <cstdint>
#include <string>

struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  long modifiedNanoseconds = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;

  bool operator==(const FileStamp& other) const;
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// The stamp of the file `path` leads to (links followed, as a save follows
// them); `exists` false when there is none.
FileStamp StampOf(const std::string& path);
