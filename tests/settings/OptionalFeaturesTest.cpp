#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "radio/CaseText.h"
#include "radio/ImageMap.h"
#include "radio/NewDocumentImage.h"
#include "settings/OptionalFeatures.h"

namespace {

using L = OptionList;

TEST(OptionalFeatures, ListEntriesInBothLanguages) {
  const struct {
    OptionList list;
    std::size_t count;
    const char* firstEnglish;
    const char* firstChinese;
    const char* last;  // the same in both languages
  } cases[] = {
      {L::TimeOutTime, 40, "15s", "15s", "600s"},
      {L::SquelchLevel, 10, "0", "0", "9"},
      {L::PriorityChannel, 17, "Off", "关", "16"},
      {L::VoiceAnnunciation, 3, "Off", "关", nullptr},
      {L::SideKey1, 7, "Off", "关闭", nullptr},
      {L::Vox, 2, "On", "开", nullptr},
      {L::VoxGainLevel, 8, "1", "1", "8"},
      {L::VoxDelayTime, 6, "0.3s", "0.3s", "3.0s"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> en = OptionListEntries(c.list, false);
    const std::vector<std::string> zh = OptionListEntries(c.list, true);
    SCOPED_TRACE(c.firstEnglish);
    ASSERT_EQ(en.size(), c.count);
    ASSERT_EQ(zh.size(), c.count);
    EXPECT_EQ(en.front(), c.firstEnglish);
    EXPECT_EQ(zh.front(), c.firstChinese);
    if (c.last) EXPECT_EQ(en.back(), c.last);
    if (c.last) EXPECT_EQ(zh.back(), c.last);
  }
  EXPECT_EQ(OptionListEntries(L::VoiceAnnunciation, true), (std::vector<std::string>{"关", "中文", "英文"}));
  EXPECT_EQ(OptionListEntries(L::SideKey2, false),
            (std::vector<std::string>{"Off", "Monitor", "Monitor Momentary", "Scan Switch", "Vox Switch",
                                      "Local Alarm", "Remote Alarm"}));
  EXPECT_EQ(OptionListEntries(L::SideKey2, true)[6], "远程报警");
  EXPECT_EQ(OptionListEntries(L::BatterySaver, true), (std::vector<std::string>{"开", "关"}));
}

// One byte, the entry it shows, and the byte an OK stores when the user
// picks `chosen` (kNoSelection: touches nothing).
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
    ::testing::Values(
        OptionCase{L::TimeOutTime, 3, 2, kNone, 3},  // 45 s, kept on an untouched OK
        OptionCase{L::TimeOutTime, 40, 39, 0, 1},
        OptionCase{L::TimeOutTime, 0, kNone, kNone, 0},
        OptionCase{L::TimeOutTime, 41, kNone, kNone, 41},
        OptionCase{L::SquelchLevel, 9, 9, 3, 3},
        OptionCase{L::SquelchLevel, 10, kNone, kNone, 10},
        OptionCase{L::PriorityChannel, 16, 16, 0, 0},
        OptionCase{L::PriorityChannel, 0xFF, kNone, kNone, 0xFF},
        OptionCase{L::VoiceAnnunciation, 3, kNone, kNone, 3},  // no entry: never stored as 0xFF
        OptionCase{L::VoiceAnnunciation, 2, 2, 1, 1},
        OptionCase{L::Vox, 0, 1, 0, 1},
        OptionCase{L::Vox, 1, 0, kNone, 1},
        OptionCase{L::Vox, 2, kNone, kNone, 2},  // 1 - 2 has no entry
        OptionCase{L::VoxGainLevel, 0, kNone, kNone, 0},
        OptionCase{L::VoxGainLevel, 8, 7, 0, 1},
        OptionCase{L::VoxDelayTime, 6, kNone, 5, 5},
        OptionCase{L::Beep, 0xFF, 0, kNone, 1},
        OptionCase{L::BatterySaver, 0x05, 0, kNone, 1},
        OptionCase{L::BatterySaver, 0, 1, 0, 1},
        OptionCase{L::SideKey1, 0x8B, 3, kNone, 0x8B},   // Scan Switch, bits 3 and 7 kept
        OptionCase{L::SideKey2, 0x8B, 0, 6, 0xEB},       // Remote Alarm
        OptionCase{L::SideKey1, 0x0F, 0, kNone, 0x08},   // code 7 shows Off and stores 0
        OptionCase{L::SideKey2, 0xF5, 0, 2, 0xA5},       // code 7 likewise; bit 7 kept
        OptionCase{L::SideKey1, 0x00, 0, 9, 0x00}));     // an index beyond the list changes nothing

TEST(OptionalFeatures, OneListChangesOnlyItsOwnBits) {
  RadioImage image = BuiltInDefaults();
  image[ImageMap::kBatterySaver] = 0x05;  // an OK of the whole dialog would store 1
  image[ImageMap::kSideKeys] = 0x8B;
  const RadioImage before = image;
  StoreOptionIndex(L::SideKey2, 6, image);
  EXPECT_EQ(HexByte(image[ImageMap::kSideKeys]), "0xEB");
  image[ImageMap::kSideKeys] = 0x8B;
  EXPECT_TRUE(image == before);
}

}  // namespace
