#include "core/os/FileStamp.h"

#include "core/os/windows/FileIndex.h"

FileStamp StampOf(const std::string& path) {
  FileIndex index;
  if (!IndexOf(path, index)) return {};
  FileStamp stamp;
  stamp.exists = true;
  stamp.size = index.size;
  stamp.modifiedSeconds = index.modified100ns / 10000000;
  stamp.modifiedNanoseconds = static_cast<long>(index.modified100ns % 10000000) * 100;
  stamp.device = index.volume;
  stamp.inode = index.file;
  return stamp;
}
