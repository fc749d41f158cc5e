#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/radio/ChannelRows.h"

namespace {

// Channel n's record holds n in every byte but the frequencies' top bytes
// (0x44, so every channel has data); channels 2, 5 and 16 scan.
RadioImage Numbered(bool channel16InUse) {
  RadioImage image;
  for (int n = 1; n <= 16; ++n) {
    if (n == 16 && !channel16InUse) continue;
    ChannelRecord record;
    record.raw.fill(static_cast<std::uint8_t>(n));
    record.raw[3] = record.raw[7] = 0x44;
    image.SetChannel(n, record);
  }
  image[ImageMap::kScanBits] = 0x12;      // channels 2 and 5
  image[ImageMap::kScanBits + 1] = 0x80;  // channel 16
  image[ImageMap::kPriorityChannel] = 5;
  return image;
}

// Which original channel each slot holds now (0 for an erased one), each
// slot's scan bit, and the priority channel.
struct Layout {
  std::vector<int> channels;
  std::vector<int> scan;
  int priority;
};

Layout LayoutOf(const RadioImage& image) {
  Layout layout{{}, {}, image[ImageMap::kPriorityChannel]};
  for (int n = 1; n <= 16; ++n) {
    const ChannelRecord record = image.Channel(n);
    const bool erased = record.raw[0] == 0xFF;
    for (std::uint8_t b : record.raw) EXPECT_TRUE(b == record.raw[0] || b == 0x44) << "channel " << n;
    layout.channels.push_back(erased ? 0 : record.raw[0]);
    layout.scan.push_back(image.ScanBit(n) ? 1 : 0);
  }
  return layout;
}

struct RowCase {
  const char* name;
  bool channel16InUse;
  std::function<bool(RadioImage&)> op;
  bool done;
  std::vector<int> channels;
  std::vector<int> scan;
  int priority;
};
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class ChannelRowOps : public ::testing::TestWithParam<RowCase> {};

TEST_P(ChannelRowOps, RecordsScanBitsAndPriorityFollow) {
  const RowCase& c = GetParam();
  RadioImage image = Numbered(c.channel16InUse);
  const RadioImage before = image;
  EXPECT_EQ(c.op(image), c.done);
  const Layout layout = LayoutOf(image);
  EXPECT_EQ(layout.channels, c.channels);
  EXPECT_EQ(layout.scan, c.scan);
  EXPECT_EQ(layout.priority, c.priority);
  // Nothing outside the records, the scan bits and the priority channel moves.
  for (std::size_t at = 0; at < RadioImage::size(); ++at) {
    const bool owned = (at >= 0x10 && at < 0x110) || at == ImageMap::kScanBits || at == ImageMap::kScanBits + 1 ||
                       at == ImageMap::kPriorityChannel;
    if (!owned) ASSERT_EQ(image[at], before[at]) << at;
  }
}

bool Done(const std::function<void(RadioImage&)>& op, RadioImage& image) {
  op(image);
  return true;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelRowOps,
    ::testing::Values(RowCase{"insert_at_2",
                              false,
                              [](RadioImage& i) { return InsertChannel(i, 2); },
                              true,
                              {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                              {0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                              6},
                      RowCase{"insert_refused_when_16_in_use",
                              true,
                              [](RadioImage& i) { return InsertChannel(i, 2); },
                              false,
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                              5},
                      RowCase{"delete_2",
                              true,
                              [](RadioImage& i) { return Done([](RadioImage& j) { DeleteChannel(j, 2); }, i); },
                              true,
                              {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0},
                              {0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
                              4},
                      RowCase{"delete_priority_channel",
                              true,
                              [](RadioImage& i) { return Done([](RadioImage& j) { DeleteChannel(j, 5); }, i); },
                              true,
                              {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0},
                              {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1},
                              0},
                      RowCase{"move_5_up",
                              true,
                              [](RadioImage& i) { return MoveChannel(i, 5, -1); },
                              true,
                              {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                              4},
                      RowCase{"move_4_down",
                              true,
                              [](RadioImage& i) { return MoveChannel(i, 4, 1); },
                              true,
                              {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                              4},
                      RowCase{"move_16_down_refused",
                              true,
                              [](RadioImage& i) { return MoveChannel(i, 16, 1); },
                              false,
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                              5},
                      RowCase{"clear_2",
                              true,
                              [](RadioImage& i) { return Done([](RadioImage& j) { ClearChannel(j, 2); }, i); },
                              true,
                              {1, 0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                              {0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                              5}));

// The window's table holds edits the image has not seen yet; the row
// commands work on both.
TEST(ChannelRowOpOnTable, TableEditsMoveAndRefuse) {
  RadioImage image;
  ChannelTable table = TableFromImage(image, Language::English);
  table[1] = ChannelRow{" 2", "446.00625", "446.00625", "88.5", "None", "Narrow", "No", "Carrier", "Low"};
  const ChannelTable edited = table;

  EXPECT_TRUE(ApplyChannelRowOp(ChannelRowOp::MoveDown, 2, table, image, Language::English));
  EXPECT_EQ(table[1], TableFromImage(RadioImage(), Language::English)[1]);
  ChannelRow moved = edited[1];
  moved[kColChannel] = " 3";
  EXPECT_EQ(table[2], moved);
  EXPECT_EQ(TableFromImage(image, Language::English), table);

  // Channel 16 in use only in the table still refuses an insert.
  table[15] = ChannelRow{"16", "440.00000", "440.00000", "None", "None", "Wide", "Yes", "Off", "High"};
  const ChannelTable tableBefore = table;
  const RadioImage imageBefore = image;
  EXPECT_FALSE(ApplyChannelRowOp(ChannelRowOp::Insert, 1, table, image, Language::English));
  EXPECT_FALSE(ApplyChannelRowOp(ChannelRowOp::MoveUp, 1, table, image, Language::English));
  EXPECT_EQ(table, tableBefore);
  EXPECT_EQ(image, imageBefore);
}

// Channels 1-6 in use at 44n.00000 MHz, the odd ones scanning; byte 14 of
// each record (shown nowhere in the table) holds the channel's number.
ChannelTable SixChannels(RadioImage& image) {
  ChannelTable table = TableFromImage(image, Language::English);
  for (int n = 1; n <= 6; ++n) {
    const std::string f = "44" + std::to_string(n) + ".00000";
    table[n - 1] = ChannelRow{ChannelNumberText(n), f, f, "None", "None", "Wide", n % 2 ? "Yes" : "No", "Off", "High"};
  }
  StoreTableToImage(table, image);
  for (int n = 1; n <= 6; ++n) image[ImageMap::kChannelRecordSize * n + 14] = static_cast<std::uint8_t>(n);
  return table;
}

// Row by row: the channel shown (the digit of its frequency, 0 for none),
// the one whose bytes are there, and whether it scans in table and image.
std::vector<int> Shown(const ChannelTable& table) {
  std::vector<int> shown;
  for (const ChannelRow& row : table) shown.push_back(row[kColRxFrequency].empty() ? 0 : row[kColRxFrequency][2] - '0');
  return shown;
}
std::vector<int> Bytes(const RadioImage& image) {
  std::vector<int> bytes;
  for (int n = 1; n <= 16; ++n) bytes.push_back(image.Channel(n).raw[14] == 0xFF ? 0 : image.Channel(n).raw[14]);
  return bytes;
}

TEST(ChannelRowOpOnTable, BlocksMoveWithTheirBytesAndScanBits) {
  const struct {
    const char* name;
    ChannelRowOp op;
    int first;
    int last;
    bool done;
    std::vector<int> channels;
  } cases[] = {
      {"move_2_3_up", ChannelRowOp::MoveUp, 2, 3, true, {2, 3, 1, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"move_5_6_down", ChannelRowOp::MoveDown, 5, 6, true, {1, 2, 3, 4, 0, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"delete_2_4", ChannelRowOp::Delete, 2, 4, true, {1, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"insert_two_at_3", ChannelRowOp::Insert, 3, 4, true, {1, 2, 0, 0, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"clear_1_2", ChannelRowOp::Clear, 1, 2, true, {0, 0, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"insert_without_room", ChannelRowOp::Insert, 1, 11, false, {1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"move_up_from_the_top", ChannelRowOp::MoveUp, 1, 2, false, {1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    RadioImage image;
    ChannelTable table = SixChannels(image);
    const RadioImage before = image;
    EXPECT_EQ(ApplyChannelRowOp(c.op, c.first, c.last, table, image, Language::English), c.done) << c.name;
    EXPECT_EQ(Shown(table), c.channels) << c.name;
    EXPECT_EQ(Bytes(image), c.channels) << c.name;
    for (int n = 1; n <= 16; ++n) {
      const int channel = c.channels[static_cast<std::size_t>(n - 1)];
      // An emptied channel takes the erased scan bit (scanning).
      EXPECT_EQ(image.ScanBit(n), channel == 0 || channel % 2 == 1) << c.name << " " << n;
      if (channel != 0) EXPECT_EQ(table[n - 1][kColScan], channel % 2 ? "Yes" : "No") << c.name << " " << n;
    }
    // Undoing puts every channel byte back.
    const RadioImage after = image;
    RestoreChannelRows(image, before, after);
    EXPECT_EQ(image, before) << c.name;
  }
}

TEST(ChannelRowOpOnTable, RestoreKeepsAPriorityChangedSince) {
  RadioImage image;
  SixChannels(image);
  image[ImageMap::kPriorityChannel] = 2;
  const RadioImage before = image;
  ASSERT_TRUE(MoveChannel(image, 2, 1));
  const RadioImage after = image;
  ASSERT_EQ(after[ImageMap::kPriorityChannel], 3);
  RestoreChannelRows(image, before, after);
  EXPECT_EQ(image[ImageMap::kPriorityChannel], 2);
  image = after;
  image[ImageMap::kPriorityChannel] = 6;  // the options chose another since
  RestoreChannelRows(image, before, after);
  EXPECT_EQ(image[ImageMap::kPriorityChannel], 6);
  EXPECT_EQ(Bytes(image), Bytes(before));
}

}  // namespace
