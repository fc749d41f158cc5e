#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/radio/CaseText.h"
#include "core/radio/ImageMap.h"
#include "core/settings/OptionalFeatures.h"

namespace {

using L = OptionList;

TEST(OptionalFeatures, ListEntriesInBothLanguages) {
  const struct {
    OptionList list;
    std::size_t count;
    const char *enFirst, *enLast, *zhFirst, *zhLast;
  } cases[] = {
      {L::TimeOutTime, 40, "15s", "600s", "15s", "600s"},
      {L::PriorityChannel, 17, "Off", "16", "关", "16"},
      {L::VoiceAnnunciation, 3, "Off", "English", "关", "英文"},
      {L::SideKey2, 7, "Off", "Remote Alarm", "关闭", "远程报警"},
      {L::Vox, 2, "On", "Off", "开", "关"},
      {L::VoxDelayTime, 6, "0.3s", "3.0s", "0.3s", "3.0s"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> en = OptionListEntries(c.list, Language::English);
    const std::vector<std::string> zh = OptionListEntries(c.list, Language::Chinese);
    ASSERT_EQ(en.size(), c.count) << c.enFirst;
    ASSERT_EQ(zh.size(), c.count) << c.enFirst;
    EXPECT_EQ(en.front() + "|" + en.back() + "|" + zh.front() + "|" + zh.back(),
              std::string(c.enFirst) + "|" + c.enLast + "|" + c.zhFirst + "|" + c.zhLast);
  }
  EXPECT_EQ(OptionListEntries(L::SideKey1, Language::English)[2], "Monitor Momentary");
}

// Every entry of every row, over an image of zeros and one of ones: it
// reads back as itself, changes only its own bits and prints as it shows.
TEST(OptionalFeatures, EveryEntryRoundTripsThroughItsOwnBits) {
  for (const OptionRow& row : kOptionRows) {
    const std::vector<std::string> entries = OptionListEntries(row.list, Language::English);
    for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
      for (const std::uint8_t fill : {0x00, 0xFF}) {
        RadioImage before;
        std::fill(before.data(), before.data() + RadioImage::size(), fill);
        RadioImage image = before;
        StoreOptionIndex(row.list, index, image);
        const std::string what = std::string(row.name) + " entry " + std::to_string(index) + " over " + HexByte(fill);
        EXPECT_EQ(OptionIndexFromImage(image, row.list), index) << what;
        for (std::size_t offset = 0; offset < RadioImage::size(); ++offset) {
          const int owned = offset == row.storage.offset ? row.storage.mask : 0;
          EXPECT_EQ((image[offset] ^ before[offset]) & ~owned, 0) << what << " changed " << HexWord(offset);
        }
        if (row.print.place >= 0)
          EXPECT_EQ(OptionPrintedValue(image, row.list, Language::English), entries[static_cast<std::size_t>(index)]) << what;
      }
    }
  }
}

// One byte, the entry it shows, and the byte an OK of the whole dialog
// stores when the user picks `chosen` (kNoSelection: touches nothing).
struct OptionCase {
  OptionList list;
  std::uint8_t byte;
  int shown;
  int chosen;
  std::uint8_t stored;
};
void PrintTo(const OptionCase& c, std::ostream* os) {
  *os << "list " << static_cast<int>(c.list) << " byte " << HexByte(c.byte);
}

class OptionByte : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionByte, ShownAndStored) {
  const OptionCase& c = GetParam();
  RadioImage image = BuiltInDefaults();
  image[ImageMap::kSideKeys] = 0x21;  // both codes have entries: an OK keeps them
  const std::uint16_t offset = OptionListOffset(c.list);
  image[offset] = c.byte;
  OptionIndexes indexes = OptionIndexesFromImage(image);
  EXPECT_EQ(indexes[ListSlot(c.list)], c.shown);
  if (c.chosen != kNoSelection) indexes[ListSlot(c.list)] = c.chosen;
  RadioImage expected = image;
  expected[offset] = c.stored;
  StoreOptionIndexes(indexes, image);
  EXPECT_EQ(HexByte(image[offset]), HexByte(c.stored));
  EXPECT_TRUE(image == expected) << "a byte other than " << HexWord(offset) << " changed";
}

constexpr int kNone = kNoSelection;

INSTANTIATE_TEST_SUITE_P(
    Table, OptionByte,
    ::testing::Values(OptionCase{L::TimeOutTime, 3, 2, kNone, 3},  // 45 s, kept on an untouched OK
                      OptionCase{L::TimeOutTime, 0, kNone, kNone, 0}, OptionCase{L::SquelchLevel, 10, kNone, 3, 3},
                      OptionCase{L::PriorityChannel, 16, 16, 0, 0},
                      OptionCase{L::VoiceAnnunciation, 3, kNone, kNone, 3},                    // never stored as 0xFF
                      OptionCase{L::Vox, 0, 1, 0, 1}, OptionCase{L::Vox, 2, kNone, kNone, 2},  // 1 - 2 has no entry
                      OptionCase{L::VoxGainLevel, 0, kNone, kNone, 0}, OptionCase{L::VoxGainLevel, 8, 7, 0, 1},
                      OptionCase{L::VoxDelayTime, 6, kNone, 5, 5}, OptionCase{L::BatterySaver, 0x05, 0, kNone, 1},
                      OptionCase{L::Beep, 0, 1, 0, 1},
                      OptionCase{L::SideKey1, 0x8B, 3, kNone, 0x8B},  // Scan Switch, bits 3 and 7 kept
                      OptionCase{L::SideKey2, 0x8B, 0, 6, 0xEB},      // Remote Alarm
                      OptionCase{L::SideKey1, 0x0F, 0, kNone, 0x08},  // code 7 shows Off and stores 0
                      OptionCase{L::SideKey2, 0xF5, 0, 2, 0xA5},      // likewise, bit 7 kept
                      OptionCase{L::SideKey1, 0x00, 0, 9, 0x00}));    // an index past the list changes nothing

}  // namespace
