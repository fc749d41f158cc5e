#include "core/radio/RadioImage.h"

#include <algorithm>
#include <stdexcept>

namespace {
void CheckChannel(int n) {
  if (n < 1 || n > ImageMap::kChannelCount) throw std::out_of_range("channel number");
}
}  // namespace

std::uint16_t RadioImage::ChannelOffset(int n) {
  CheckChannel(n);
  return static_cast<std::uint16_t>(ImageMap::kChannelBase * n);
}

ChannelRecord RadioImage::Channel(int n) const {
  ChannelRecord record;
  const auto at = bytes.begin() + ChannelOffset(n);
  std::copy(at, at + ImageMap::kChannelRecordSize, record.raw.begin());
  return record;
}

void RadioImage::SetChannel(int n, const ChannelRecord& record) {
  std::copy(record.raw.begin(), record.raw.end(), bytes.begin() + ChannelOffset(n));
}

bool RadioImage::ScanBit(int n) const {
  CheckChannel(n);
  const std::uint8_t byte = bytes[ImageMap::kScanBits + (n - 1) / 8];
  return (byte >> ((n - 1) % 8)) & 1;
}

void RadioImage::SetScanBit(int n, bool inScanList) {
  CheckChannel(n);
  std::uint8_t& byte = bytes[ImageMap::kScanBits + (n - 1) / 8];
  const auto mask = static_cast<std::uint8_t>(1u << ((n - 1) % 8));
  byte = static_cast<std::uint8_t>(inScanList ? (byte | mask) : (byte & ~mask));
}

std::uint16_t RadioImage::PowerTableOffset(int entry, int level) {
  if (entry < 0 || entry >= ImageMap::kPowerTableEntries || level < 0 || level > 2)
    throw std::out_of_range("power table entry");
  return static_cast<std::uint16_t>(ImageMap::kPowerTable + 3 * entry + level);
}
