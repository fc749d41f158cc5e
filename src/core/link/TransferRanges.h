#pragma once
// Which image bytes a transfer moves, and how they are cut into blocks.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/radio/RadioImage.h"

enum class Direction { Read, Write };

// [start, end) in image offsets.
struct AddressRange {
  std::uint16_t start;
  std::uint16_t end;
};
using Ranges = std::vector<AddressRange>;

// A block never crosses a 16-byte boundary and never passes `end`.
std::size_t BlockLength(std::size_t offset, std::size_t end);

// A Read, and a Write in service mode, move 0x000-0x3FA; a normal Write
// leaves out the parameter area and the power table.
Ranges MainTransferRanges(Direction direction, bool serviceMode);

enum class ServiceArea { PowerTable, ParamArea };
Ranges ServiceTransferRanges(ServiceArea area);

std::size_t CountBlocks(const Ranges& ranges);

// Copies the bytes of `ranges` and leaves every other byte of `to` alone.
void CopyRanges(const Ranges& ranges, const RadioImage& from, RadioImage& to);
