#pragma once
// What tells one file from another on Windows, where there are no inodes:
// the volume's serial number and the file's index on it.
#include <cstdint>
#include <string>

struct FileIndex {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  std::uint64_t size = 0;
  std::int64_t modified100ns = 0;  // since 1601, as the system keeps it
  bool folder = false;
};

// False when nothing is at `path` or it cannot be looked at.
bool IndexOf(const std::string& path, FileIndex& index);
