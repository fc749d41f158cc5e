// Arbitrary bytes as a data file; a file that loads goes through the channel
// table both ways and through the option lines, so the codecs meet every
// possible byte.
#include <cstdio>
#include <cstdlib>

#include "core/files/DataFile.h"
#include "core/print/OptionLines.h"
#include "core/radio/ChannelTable.h"
#include "fuzz/FuzzEntries.h"

namespace {

[[noreturn]] void Fail(const char* what, std::size_t offset) {
  std::fprintf(stderr, "FuzzDataFile: %s at image offset 0x%03zX\n", what, offset);
  std::abort();
}

// Storing the table rewrites the channel fields, the scan bits and the
// marker; every other bit must come through unchanged.
void CheckOnlyOwnedBitsChanged(const RadioImage& before, const RadioImage& after) {
  for (std::size_t at = 0; at < RadioImage::size(); ++at) {
    std::uint8_t owned = 0x00;
    if (at >= ImageMap::kChannelBase &&
        at < ImageMap::kChannelBase + ImageMap::kChannelCount * ImageMap::kChannelRecordSize) {
      const std::size_t field = (at - ImageMap::kChannelBase) % ImageMap::kChannelRecordSize;
      if (field < 12) owned = 0xFF;
      if (field == ImageMap::Channel::kSignalFlags) owned = ImageMap::Channel::kBusyLockMask;
      if (field == ImageMap::Channel::kModeFlags) owned = ImageMap::Channel::kWideBit | ImageMap::Channel::kPowerMask;
    }
    if (at == ImageMap::kScanBits || at == ImageMap::kScanBits + 1u) owned = 0xFF;
    if (at == ImageMap::kProgrammedMarker) {
      if (after[at] != ImageMap::kProgrammedMarkerValue) Fail("marker not set", at);
      continue;
    }
    if ((before[at] & ~owned) != (after[at] & ~owned)) Fail("a bit nobody owns changed", at);
  }
}

}  // namespace

int FuzzDataFileInput(const std::uint8_t* data, std::size_t size) {
  static const std::uint8_t kNoBytes[1] = {0};
  RadioImage image;
  if (!ParseDataFile(size ? data : kNoBytes, size, image).ok()) return 0;
  for (const Language language : {Language::English, Language::Chinese}) {
    const ChannelTable table = TableFromImage(image, language);
    RadioImage stored = image;
    StoreTableToImage(table, stored);
    CheckOnlyOwnedBitsChanged(image, stored);
    // And once more from the stored image, whose fields are now canonical.
    RadioImage again = stored;
    StoreTableToImage(TableFromImage(stored, language), again);
    CheckOnlyOwnedBitsChanged(stored, again);
    for (const OptionLine& line : OptionLinesFromImage(image, language))
      if (line.label.empty() || line.value.empty()) Fail("empty option text", 0);
  }
  return 0;
}

#ifdef PROGRAM_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzDataFileInput(data, size);
}
#endif
