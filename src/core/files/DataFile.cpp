#include "core/files/DataFile.h"

#include <algorithm>
#include <cstring>

#include "core/files/ReadFileHead.h"
#include "core/files/SafeFileWrite.h"

namespace {

constexpr char kSignature[4] = {'S', '3', '3', '3'};

}  // namespace

DataFileResult ParseDataFile(const unsigned char* data, std::size_t size, RadioImage& image) {
  // The signature is checked before the length, as the reader meets them; a
  // file too short to hold all of it is judged by the bytes it has.
  const std::size_t head = std::min(size, sizeof kSignature);
  if (std::memcmp(data, kSignature, head) != 0) return {DataFileStatus::BadSignature, 0};
  if (size < kDataFileSize) return {DataFileStatus::ShortFile, 0};
  if (size > kDataFileSize) return {DataFileStatus::LongFile, 0};
  std::copy(data + kDataFileHeaderSize, data + kDataFileSize, image.bytes.begin());
  return {};
}

DataFileResult LoadDataFile(const std::string& path, RadioImage& image) {
  // One byte more than a data file tells a longer one, however long.
  std::string content;
  const int err = ReadFileHead(path, kDataFileSize + 1, content);
  if (err != 0) return {DataFileStatus::CannotOpen, err};
  return ParseDataFile(reinterpret_cast<const unsigned char*>(content.data()), content.size(), image);
}

std::string DataFileBytes(const RadioImage& image) {
  std::string out(kDataFileHeaderSize, '\0');
  std::memcpy(out.data(), kSignature, sizeof kSignature);
  out.append(reinterpret_cast<const char*>(image.data()), image.size());
  return out;
}

DataFileResult SaveDataFile(const std::string& path, const RadioImage& image, FileAccess access) {
  const std::string bytes = DataFileBytes(image);
  const int err = SafeFileWrite(path, bytes.data(), bytes.size(), access);
  if (err != 0) return {DataFileStatus::CannotWrite, err};
  return {};
}
