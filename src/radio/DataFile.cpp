#include "radio/DataFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "radio/RegularFile.h"
#include "radio/SafeFileWrite.h"

namespace {

constexpr char kSignature[4] = {'S', '3', '3', '3'};

// Reads at most `limit` bytes; a data file never needs more.
DataFileResult ReadHead(const std::string& path, std::size_t limit, std::vector<unsigned char>& out) {
  int err = 0;
  const int fd = OpenRegularFile(path, 0, err);
  if (fd < 0) return {DataFileStatus::CannotOpen, err};
  out.assign(limit, 0);
  std::size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::read(fd, out.data() + got, limit - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      ::close(fd);
      return {DataFileStatus::CannotOpen, err};
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  out.resize(got);
  return {};
}

}  // namespace

DataFileResult ParseDataFile(const unsigned char* data, std::size_t size, RadioImage& image) {
  // The signature is checked before the length, as the reader meets them; a
  // file too short to hold all of it is judged by the bytes it has.
  const std::size_t head = std::min(size, sizeof kSignature);
  if (std::memcmp(data, kSignature, head) != 0) return {DataFileStatus::BadSignature, 0};
  if (size < kDataFileSize) return {DataFileStatus::ShortFile, 0};
  std::copy(data + kDataFileHeaderSize, data + kDataFileSize, image.bytes.begin());
  return {};
}

DataFileResult LoadDataFile(const std::string& path, RadioImage& image) {
  std::vector<unsigned char> content;
  DataFileResult r = ReadHead(path, kDataFileSize, content);
  if (!r.ok()) return r;
  return ParseDataFile(content.data(), content.size(), image);
}

std::string DataFileBytes(const RadioImage& image) {
  std::string out(kDataFileHeaderSize, '\0');
  std::memcpy(out.data(), kSignature, sizeof kSignature);
  out.append(reinterpret_cast<const char*>(image.data()), image.size());
  return out;
}

DataFileResult SaveDataFile(const std::string& path, const RadioImage& image) {
  const std::string bytes = DataFileBytes(image);
  const int err = SafeFileWrite(path, bytes.data(), bytes.size());
  if (err != 0) return {DataFileStatus::CannotWrite, err};
  return {};
}
