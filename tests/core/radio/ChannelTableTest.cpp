#include <array>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "CaseText.h"

#include "core/radio/ChannelTable.h"
#include "support/TestSeed.h"

namespace {

using Record = std::array<std::uint8_t, 16>;

RadioImage ImageWithChannel(int n, const Record& bytes, bool scan, std::uint8_t fill = 0xFF) {
  RadioImage image;
  image.bytes.fill(fill);
  ChannelRecord r;
  r.raw = bytes;
  image.SetChannel(n, r);
  image.SetScanBit(n, scan);
  return image;
}

TEST(ChannelColumns, TitlesInBothLanguages) {
  const char* english[] = {"CH",  "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
                           "W/N", "Scan",         "Busy Lock",    "Power"};
  const char* chinese[] = {"信道",  "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码",
                           "宽/窄", "扫描",     "繁忙锁定", "功率"};
  // A new column needs its titles here; a count apart reads no further.
  ASSERT_EQ(std::size(english), static_cast<std::size_t>(kChannelColumns));
  for (int c = 0; c < kChannelColumns; ++c) {
    EXPECT_STREQ(ChannelColumnTitle(c, Language::English), english[c]);
    EXPECT_STREQ(ChannelColumnTitle(c, Language::Chinese), chinese[c]);
  }
  EXPECT_STREQ(ChannelColumnTitle(-1, Language::English), "");
  EXPECT_STREQ(ChannelColumnTitle(kChannelColumns, Language::Chinese), "");
  EXPECT_EQ(ChannelNumberText(1), " 1");
  EXPECT_EQ(ChannelNumberText(9), " 9");
  EXPECT_EQ(ChannelNumberText(16), "16");
}

struct RowCase {
  const char* name;
  Record record;
  bool scan;
  Language language;
  ChannelRow expected;  // column 0 is filled in by the test
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << std::string(c.name); }

class DecodeRowCases : public ::testing::TestWithParam<RowCase> {};

TEST_P(DecodeRowCases, Texts) {
  const RowCase& c = GetParam();
  for (int n : {1, 9, 16}) {
    ChannelRow expected = c.expected;
    expected[kColChannel] = ChannelNumberText(n);
    EXPECT_EQ(DecodeChannelRow(ImageWithChannel(n, c.record, c.scan), n, c.language), expected)
        << c.name << ", channel " << n;
  }
}

constexpr Record kFull = {0x25, 0x06, 0x60, 0x44, 0x00, 0x25, 0x61, 0x13,
                          0x75, 0x03, 0x13, 0x28, 0x08, 0x30, 0xAB, 0xCD};
constexpr Record kNarrowLowOff = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                  0xFF, 0xFF, 0xEC, 0xA9, 0xE7, 0x8F, 0x00, 0x00};
constexpr Record kTxNotSet = {0x25, 0x06, 0x60, 0x44, 0xFF, 0xFF, 0xFF, 0xFF,
                              0xFF, 0xFF, 0xFF, 0xFF, 0x08, 0x30, 0xFF, 0xFF};
constexpr Record kTxTopZero = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x00,
                               0x75, 0x03, 0xFF, 0x00, 0x08, 0x30, 0xFF, 0xFF};
constexpr Record kRxNotSetTonesSet = {0xFF, 0xFF, 0xFF, 0xFF, 0x25, 0x06, 0x60, 0x44,
                                      0x13, 0x28, 0xED, 0x09, 0x00, 0x00, 0xFF, 0xFF};
constexpr Record kErased = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeRowCases,
    ::testing::Values(
        RowCase{"full",
                kFull,
                true,
                Language::English,
                {"", "446.00625", "136.12500", "88.5", "D023N", "Wide", "Yes", "Carrier", "High"}},
        RowCase{"full, Chinese",
                kFull,
                true,
                Language::Chinese,
                {"", "446.00625", "136.12500", "88.5", "D023N", "宽", "是", "载波", "高"}},
        RowCase{"narrow, low, off",
                kNarrowLowOff,
                false,
                Language::English,
                {"", "446.00625", "446.00625", "None", "D754I", "Narrow", "No", "Off", "Low"}},
        RowCase{"no tone in Chinese",
                kNarrowLowOff,
                false,
                Language::Chinese,
                {"", "446.00625", "446.00625", "无", "D754I", "窄", "否", "关", "低"}},
        // An empty row: no "None", no flag texts, the set frequency still shown.
        RowCase{"tx not set", kTxNotSet, true, Language::English, {"", "446.00625", "", "", "", "", "", "", ""}},
        RowCase{
            "tx top byte 0", kTxTopZero, true, Language::English, {"", "446.00625", "", "88.5", "", "", "", "", ""}},
        RowCase{"rx not set, tones set",
                kRxNotSetTonesSet,
                true,
                Language::Chinese,
                {"", "", "446.00625", "D023N", "254.1", "", "", "", ""}},
        RowCase{"erased", kErased, true, Language::English, {"", "", "", "", "", "", "", "", ""}}));

// Storing an empty row: the encoders read the empty texts as wide, scan yes,
// QT/DQT and high.
TEST(EncodeRow, EmptyRowOnAnErasedRecord) {
  RadioImage image;
  ChannelRow row;
  row[kColChannel] = ChannelNumberText(9);
  EncodeChannelRow(row, 9, image);
  const ChannelRecord r = image.Channel(9);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(r.raw[i], 0xFF) << i;
  EXPECT_EQ(r.raw[12], 0xF7);
  EXPECT_EQ(r.raw[13], 0xBF);
  EXPECT_EQ(r.raw[14], 0xFF);
  EXPECT_EQ(r.raw[15], 0xFF);
  EXPECT_EQ(image[0x17F], 0xFF);
}

TEST(EncodeRow, EmptyRowOnAZeroRecordSetsOnlyItsOwnBits) {
  RadioImage image;
  image.bytes.fill(0x00);
  EncodeChannelRow(ChannelRow{}, 9, image);
  const ChannelRecord r = image.Channel(9);
  EXPECT_EQ(r.raw[12], 0x10);
  EXPECT_EQ(r.raw[13], 0x30);
  EXPECT_EQ(image[0x17F], 0x01) << "channel 9 is bit 0 of 0x17F";
  EXPECT_EQ(image[0x17E], 0x00);
  EXPECT_EQ(image[0x1B8], 0x00) << "one row does not set the marker";
}

TEST(EncodeRow, TextsOfEitherLanguageGiveTheSameBytes) {
  for (const Record& rec : {kFull, kNarrowLowOff}) {
    for (bool scan : {false, true}) {
      const RadioImage source = ImageWithChannel(5, rec, scan);
      RadioImage en;
      RadioImage zh;
      en.bytes.fill(0x5A);
      zh.bytes.fill(0x5A);
      EncodeChannelRow(DecodeChannelRow(source, 5, Language::English), 5, en);
      EncodeChannelRow(DecodeChannelRow(source, 5, Language::Chinese), 5, zh);
      EXPECT_EQ(en, zh);
      EXPECT_EQ(en.ScanBit(5), scan);
      // A valid record comes back byte for byte in the fields it owns.
      const ChannelRecord back = en.Channel(5);
      for (int i = 0; i < 12; ++i) EXPECT_EQ(back.raw[i], rec[i]) << i;
      EXPECT_EQ(back.raw[12] & 0x18, rec[12] & 0x18);
      EXPECT_EQ(back.raw[13] & 0x70, rec[13] & 0x70);
    }
  }
}

TEST(StoreTable, ErasedImageChangesOnlyFlagsScanAndMarker) {
  const RadioImage erased;
  RadioImage image = erased;
  StoreTableToImage(TableFromImage(erased, Language::English), image);
  for (int n = 1; n <= 16; ++n) {
    const ChannelRecord r = image.Channel(n);
    EXPECT_EQ(r.raw[12], 0xF7) << n;
    EXPECT_EQ(r.raw[13], 0xBF) << n;
  }
  EXPECT_EQ(image[0x1B8], 0x50);
  for (std::size_t i = 0; i < image.size(); ++i) {
    const bool flagByte = i >= 0x10 && i < 0x110 && (i % 16 == 12 || i % 16 == 13);
    if (!flagByte && i != 0x1B8) EXPECT_EQ(image[i], 0xFF) << std::hex << i;
  }
}

TEST(StoreTable, MarkerIsSetEvenWhenAllRowsAreEmpty) {
  RadioImage image;
  image.bytes.fill(0x00);
  StoreTableToImage(ChannelTable{}, image);
  EXPECT_EQ(image[0x1B8], 0x50);
}

RadioImage RandomImage(std::mt19937& rng) {
  RadioImage image;
  for (auto& b : image.bytes) b = static_cast<std::uint8_t>(rng());
  return image;
}

// Which bits of the image the channel table owns; everything else must pass
// through a decode and store untouched.
bool OwnedByTable(std::size_t offset, int bit) {
  if (offset == 0x1B8 || offset == 0x17E || offset == 0x17F) return true;
  if (offset < 0x10 || offset >= 0x110) return false;
  const std::size_t field = offset % 16;
  if (field < 12) return true;
  if (field == 12) return (0x18 >> bit) & 1;
  if (field == 13) return (0x70 >> bit) & 1;
  return false;
}

TEST(StoreTable, EveryBitTheTableDoesNotOwnPassesThrough) {
  std::mt19937 rng(TestSeed());
  for (int round = 0; round < 50; ++round) {
    const RadioImage original = RandomImage(rng);
    for (Language language : {Language::English, Language::Chinese}) {
      RadioImage stored = original;
      StoreTableToImage(TableFromImage(original, language), stored);
      for (std::size_t i = 0; i < original.size(); ++i)
        for (int bit = 0; bit < 8; ++bit)
          if (!OwnedByTable(i, bit))
            ASSERT_EQ((stored[i] >> bit) & 1, (original[i] >> bit) & 1)
                << "offset 0x" << std::hex << i << " bit " << bit << " round " << std::dec << round;
      EXPECT_EQ(stored[0x1B8], 0x50);
    }
  }
}

// What programcli sends is what the window stores after showing the image,
// whichever language it shows.
TEST(StoreTable, ImageThroughTableIsWhatTheWindowStores) {
  std::mt19937 rng(TestSeed());
  for (int round = 0; round < 20; ++round) {
    const RadioImage image = RandomImage(rng);
    RadioImage through = image;
    StoreImageThroughTable(through);
    for (Language language : {Language::English, Language::Chinese}) {
      RadioImage stored = image;
      StoreTableToImage(TableFromImage(image, language), stored);
      ASSERT_EQ(through, stored) << "round " << round << (language == Language::Chinese ? " Chinese" : " English");
    }
  }
}

// After one store the table is a fixed point: what the window shows is what
// the image holds. (Frequencies are kept within what four bytes can carry.)
TEST(StoreTable, TableShownIsTableStored) {
  std::mt19937 rng(TestSeed());
  for (int round = 0; round < 50; ++round) {
    RadioImage image = RandomImage(rng);
    for (int n = 1; n <= 16; ++n) {
      for (int top : {3, 7}) {
        std::uint8_t& b = image[RadioImage::ChannelOffset(n) + top];
        if (b != 0xFF && b >= 0xF0) b = static_cast<std::uint8_t>(b & 0x7F);
      }
    }
    for (Language language : {Language::English, Language::Chinese}) {
      const ChannelTable shown = TableFromImage(image, language);
      RadioImage stored = image;
      StoreTableToImage(shown, stored);
      ASSERT_EQ(TableFromImage(stored, language), shown) << "round " << round;
    }
  }
}

}  // namespace
