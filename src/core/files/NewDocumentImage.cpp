#include "core/files/NewDocumentImage.h"

#include <unistd.h>

#include <cerrno>

#include "core/files/DataFile.h"
#include "core/files/RegularFile.h"

RadioImage BuiltInDefaults() {
  RadioImage image;
  image[ImageMap::kVoiceAnnunciation] = 0x01;
  image[ImageMap::kTimeOutTimer] = 0x03;
  image[ImageMap::kSquelchLevel] = 0x05;
  image[ImageMap::kBatterySaver] = 0x01;
  image[ImageMap::kBeep] = 0x01;
  image[ImageMap::kVox] = 0x00;
  image[ImageMap::kVoxGainLevel] = 0x05;
  image[ImageMap::kVoxDelayTime] = 0x00;
  image[ImageMap::kPriorityChannel] = 0x00;
  image[ImageMap::kDefaultsOnlyByte] = 0xF9;
  for (int k = 0; k < ImageMap::kPowerTableEntries; ++k) {
    image[RadioImage::PowerTableOffset(k, 0)] = 0x4D;
    image[RadioImage::PowerTableOffset(k, 1)] = 0x9B;
    image[RadioImage::PowerTableOffset(k, 2)] = 0xFF;
  }
  return image;
}

RadioImage NewDocumentImage(const std::string& appDir) {
  const std::string path = appDir + kDefaultDataFileName;
  int err = 0;
  // A folder or a FIFO of that name is no file at all.
  const int fd = OpenRegularFile(path, 0, err);
  if (fd < 0) return BuiltInDefaults();
  RadioImage image;
  std::size_t got = 0;
  const bool skipped = ::lseek(fd, static_cast<off_t>(kDataFileHeaderSize), SEEK_SET) >= 0;
  while (skipped && got < image.size()) {
    const ssize_t n = ::read(fd, image.data() + got, image.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return image;
}
