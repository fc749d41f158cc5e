// Blocks of cells as tab-separated text, and pasting and clearing them
// through the cells' rules.
#include <gtest/gtest.h>

#include "core/csv/CsvImportReport.h"
#include "core/shell/ChannelBlock.h"

namespace {

const BandLimits kBand = BandLimitsFromText("400-470MHz");
const ChannelRow kSet{"", "446.00625", "446.00625", "None", "None", "Wide", "Yes", "Off", "High"};

ChannelRow Row(const std::string& rx, const std::string& tx, const std::string& dec = "None",
               const std::string& enc = "None", const std::string& wn = "Wide", const std::string& scan = "Yes") {
  if (rx.empty() && tx.empty()) return ChannelRow{};
  return ChannelRow{"", rx, tx, dec, enc, wn, scan, "Off", "High"};
}

// Channels 1 and 2 in use, the rest empty (channel numbers left out).
ChannelTable TwoChannels() {
  ChannelTable table{};
  table[0] = kSet;
  table[1] = Row("440.00000", "445.00000", "88.5");
  return table;
}

struct Refused {
  int channel;
  int column;
  CellVerdict verdict;
  bool operator==(const PasteRefusal& r) const {
    return r.channel == channel && r.column == column && r.verdict == verdict;
  }
};

struct PasteCase {
  const char* name;
  const char* text;
  CellRange target;
  std::vector<std::pair<int, ChannelRow>> rows;  // channels that change, and how
  std::vector<Refused> refused;
  int outside = 0;
  std::vector<int> cleared = {};
};
void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

const CellVerdict kRange = CellVerdict::OutOfRange;
const CellVerdict kStep = CellVerdict::OffRaster;
const CellVerdict kTone = CellVerdict::UnknownTone;
const CellVerdict kEmpty = CellVerdict::NoChannel;
const CellVerdict kItem = CellVerdict::NotAnItem;

const PasteCase kPasteCases[] = {
    {"new_channels_take_defaults",
     "447.5\t447.6\n448.5\t",
     {3, 1, 3, 1},
     {{3, Row("447.50000", "447.60000")}, {4, Row("448.50000", "448.50000")}},
     {}},
    // Receive frequency first: the transmit frequency and tones after it
    // land in a channel that exists by then.
    {"refused_cells_keep_values",
     "500\t446.2\tD023N\t99",
     {1, 1, 1, 1},
     {{1, Row("446.00625", "446.20000", "D023N")}},
     {{1, 1, kRange}, {1, 4, kTone}}},
    // Every cell not taken is told, with its own fault when it has one.
    {"refused_rx_leaves_its_empty_row",
     "446.003\t446.00625\t88.5",
     {3, 1, 3, 1},
     {},
     {{3, 1, kStep}, {3, 2, kEmpty}, {3, 3, kEmpty}}},
    {"rows_refused_cleared_and_taken",
     "\t447.0\t88.5\n446.5\t446.5\t99\n446.003\t446.5\t88.5\n500\t446.5\tXYZ\n447.5\t800",
     {1, 1, 1, 1},
     {{1, ChannelRow{}}, {2, Row("446.50000", "446.50000", "88.5")}, {5, Row("447.50000", "447.50000")}},
     {{1, 2, kEmpty},
      {1, 3, kEmpty},
      {2, 3, kTone},
      {3, 1, kStep},
      {3, 2, kEmpty},
      {3, 3, kEmpty},
      {4, 1, kRange},
      {4, 2, kEmpty},
      {4, 3, kTone},
      {5, 2, kRange}},
     0,
     {1}},
    {"value_for_an_empty_channel", "88.5", {3, 3, 3, 3}, {}, {{3, 3, kEmpty}}},
    {"tx_out_of_band_keeps_the_cell", "300", {2, 2, 2, 2}, {}, {{2, 2, kRange}}},
    {"block_repeated_over_the_selection",
     "Narrow\tNo",
     {1, 5, 2, 6},
     {{1, Row("446.00625", "446.00625", "None", "None", "Narrow", "No")},
      {2, Row("440.00000", "445.00000", "88.5", "None", "Narrow", "No")}},
     {}},
    {"selection_not_a_multiple_takes_one_block",
     "Narrow\tNo",
     {1, 5, 1, 7},
     {{1, Row("446.00625", "446.00625", "None", "None", "Narrow", "No")}},
     {}},
    {"other_language_and_spreadsheet_quotes",
     "\"窄\"\r\n",
     {2, 5, 2, 5},
     {{2, Row("440.00000", "445.00000", "88.5", "None", "Narrow")}},
     {}},
    {"unknown_list_value", "Maybe", {1, 6, 1, 6}, {}, {{1, 6, kItem}}},
    {"beyond_the_table", "446.5\t446.5\n447.5\t447.5", {16, 8, 16, 8}, {}, {{16, 8, kItem}}, 3},
};

class PasteCases : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PasteCases, TableAndRefusals) {
  const PasteCase& c = GetParam();
  ChannelTable table = TwoChannels();
  ChannelTable expected = table;
  for (const auto& [channel, row] : c.rows) expected[channel - 1] = row;
  const PasteResult result = PasteBlock(table, c.target, ParseBlockText(c.text), kBand, Language::English);
  EXPECT_EQ(table, expected);
  ASSERT_EQ(result.refused.size(), c.refused.size());
  for (std::size_t i = 0; i < c.refused.size(); ++i) EXPECT_TRUE(c.refused[i] == result.refused[i]) << i;
  EXPECT_EQ(result.outside, c.outside);
  EXPECT_EQ(result.cleared, c.cleared);
}

INSTANTIATE_TEST_SUITE_P(Blocks, PasteCases, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChannelBlock, TextBothWays) {
  const ChannelTable table = TwoChannels();
  const std::string text = BlockText(table, {1, 2, 2, 4});
  EXPECT_EQ(text, "446.00625\tNone\tNone\n445.00000\t88.5\tNone");
  const CellBlock block = ParseBlockText(text + "\n");
  EXPECT_EQ(block, (CellBlock{{"446.00625", "None", "None"}, {"445.00000", "88.5", "None"}}));
  EXPECT_EQ(ParseBlockText(" 446.5 \r\n\"a\"\"b\"\t\r\n"), (CellBlock{{"446.5"}, {"a\"b", ""}}));
  EXPECT_FALSE(IsBlockText("446.5\n"));
  EXPECT_FALSE(IsBlockText(""));
  EXPECT_TRUE(IsBlockText("446.5\t447"));
  EXPECT_TRUE(IsBlockText("446.5\n447"));
}

TEST(ChannelBlock, ClearAsEmptiedEditors) {
  ChannelTable table = TwoChannels();
  // Tones become no tone; a channel in use keeps W/N and Scan.
  PasteResult result = ClearBlock(table, {2, 3, 2, 6}, kBand, Language::English);
  EXPECT_EQ(table[1], Row("440.00000", "445.00000", "None", "None"));
  ASSERT_EQ(result.refused.size(), 2u);
  EXPECT_TRUE((Refused{2, 5, kItem}) == result.refused[0]);
  // An emptied receive frequency clears its channel, so nothing is refused
  // after it; the channel counts as cleared when cells beyond the cut went.
  result = ClearBlock(table, {1, 1, 1, 1}, kBand, Language::English);
  EXPECT_EQ(table[0], ChannelRow{});
  EXPECT_EQ(result.cleared, std::vector<int>{1});
  result = ClearBlock(table, {1, 1, 2, 8}, kBand, Language::English);
  EXPECT_EQ(table, ChannelTable{});
  EXPECT_TRUE(result.refused.empty());
  EXPECT_TRUE(result.cleared.empty());
}

TEST(ChannelBlock, OneMessageForTheRefusals) {
  PasteResult result;
  result.refused = {{1, 1, kRange, "500"}, {3, 4, kTone, "99"}, {3, 6, kItem, "Maybe"}, {4, 2, kEmpty, "446.5"}};
  result.cleared = {2};
  result.outside = 2;
  EXPECT_EQ(PasteReport(result, false, Language::English),
            "4 cells were not pasted and kept their values:\n"
            "CH 1, Rx Frequency: 500 is outside the band\n"
            "CH 3, QT/DQT Enc: unknown tone '99'\n"
            "CH 3, Scan: 'Maybe' is not a value of this column\n"
            "CH 4, Tx Frequency: the channel is empty: give it an Rx Frequency first\n"
            "CH 2 was cleared: its Rx Frequency was emptied.\n"
            "2 cells fell outside the table.\n");
  EXPECT_EQ(PasteReport({{}, {5}, 0}, false, Language::Chinese), "信道 5 已清除：其接收频率为空。\n");
  result = {{{2, 5, kItem, ""}}, {}, 0};
  EXPECT_EQ(PasteReport(result, true, Language::Chinese),
            "1 个单元格无法清除，保持原值：\n信道 2，宽/窄：使用中的信道此处必须有值\n");
  EXPECT_EQ(PasteReport(PasteResult{}, false, Language::English), "");
  result.refused.assign(kReportedRefusals + 3, {1, 6, kItem, "x"});
  const std::string report = PasteReport(result, false, Language::English);
  EXPECT_NE(report.find("... and 3 more."), std::string::npos);
}

}  // namespace
