#include "core/os/FileStamp.h"

bool FileStamp::operator==(const FileStamp& other) const {
  return exists == other.exists && size == other.size && modifiedSeconds == other.modifiedSeconds &&
         modifiedNanoseconds == other.modifiedNanoseconds && device == other.device && inode == other.inode;
}
