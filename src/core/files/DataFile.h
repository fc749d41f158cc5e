#pragma once
// The data file: "S333", twelve zero bytes, then the 1024-byte image.
#include <cstddef>
#include <string>

#include "core/files/SafeFileWrite.h"
#include "core/radio/RadioImage.h"

constexpr std::size_t kDataFileSize = 1040;
constexpr std::size_t kDataFileHeaderSize = 16;

enum class DataFileStatus {
  Ok,
  CannotOpen,    // missing, unreadable, not a regular file
  BadSignature,  // the first four bytes are not "S333"
  ShortFile,     // fewer than 1040 bytes
  LongFile,      // more than 1040 bytes: no data file, and a save would cut it
  CannotWrite,
};

struct DataFileResult {
  DataFileStatus status = DataFileStatus::Ok;
  int sysError = 0;  // OsError code where the system gave one
  bool ok() const { return status == DataFileStatus::Ok; }
};

// On any failure `image` is left exactly as it was.
DataFileResult LoadDataFile(const std::string& path, RadioImage& image);

// Writes exactly 1040 bytes through a temporary file, so a failed save keeps
// the old file whole. A new file holds a radio's memory and is its owner's
// alone; a replaced one keeps its mode.
DataFileResult SaveDataFile(const std::string& path, const RadioImage& image,
                            FileAccess access = FileAccess::PrivateWhenNew);

// The 1040 bytes a save writes.
std::string DataFileBytes(const RadioImage& image);

// Parses file contents already in memory (the loader and the fuzzer share it).
DataFileResult ParseDataFile(const unsigned char* data, std::size_t size, RadioImage& image);
