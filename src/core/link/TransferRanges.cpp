#include "core/link/TransferRanges.h"

#include "core/radio/ImageMap.h"

std::size_t BlockLength(std::size_t offset, std::size_t end) {
  if (offset >= end) return 0;
  const std::size_t toBoundary = ImageMap::kBlockSize - offset % ImageMap::kBlockSize;
  return toBoundary < end - offset ? toBoundary : end - offset;
}

Ranges MainTransferRanges(Direction direction, bool serviceMode) {
  if (direction == Direction::Read || serviceMode) return {{0x000, ImageMap::kFileOnlyStart}};
  return {{0x000, ImageMap::kParamArea}, {ImageMap::kParamAreaEnd, ImageMap::kPowerTable}};
}

Ranges ServiceTransferRanges(ServiceArea area) {
  if (area == ServiceArea::PowerTable) return {{ImageMap::kPowerTable, ImageMap::kPowerTableEnd}};
  return {{ImageMap::kParamArea, ImageMap::kParamAreaEnd}};
}

std::size_t CountBlocks(const Ranges& ranges) {
  std::size_t count = 0;
  for (const AddressRange& r : ranges)
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end)) ++count;
  return count;
}

void CopyRanges(const Ranges& ranges, const RadioImage& from, RadioImage& to) {
  for (const AddressRange& r : ranges)
    for (std::size_t a = r.start; a < r.end; ++a) to[a] = from[a];
}
