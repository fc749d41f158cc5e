#include "core/files/NewDocumentImage.h"

#include <algorithm>

#include "core/files/DataFile.h"
#include "core/os/RegularFileRead.h"

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
  std::string bytes;
  // A folder or a FIFO of that name is no file at all.
  if (ReadRegularFile(path, kDataFileHeaderSize + RadioImage::size(), bytes)) return BuiltInDefaults();
  RadioImage image;
  if (bytes.size() > kDataFileHeaderSize)
    std::copy(bytes.begin() + static_cast<long>(kDataFileHeaderSize), bytes.end(), image.data());
  return image;
}
