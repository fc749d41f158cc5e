#include <string>

#include <gtest/gtest.h>

#include "core/radio/CellRefusalText.h"
#include "core/radio/ChannelCellRules.h"

namespace {

ChannelRow Row(const std::string& rx, const std::string& tx, const std::string& dec = "", const std::string& enc = "",
               const std::string& wn = "", const std::string& scan = "", const std::string& busy = "",
               const std::string& power = "") {
  return ChannelRow{" 1", rx, tx, dec, enc, wn, scan, busy, power};
}

const ChannelRow kEmpty = Row("", "");
const ChannelRow kSet = Row("446.00625", "446.00625", "None", "None", "Wide", "Yes", "Off", "High");
const ChannelRow kCleared = kEmpty;

struct CommitCase {
  const char* name;
  ChannelRow before;
  int column;
  const char* text;
  CellVerdict verdict;
  ChannelRow after;
  Language language = Language::English;
  const char* band = "400-470MHz";
};

void PrintTo(const CommitCase& c, std::ostream* os) { *os << c.name; }

ChannelRow With(ChannelRow row, int column, const std::string& text) {
  row[column] = text;
  return row;
}

const CellVerdict OK = CellVerdict::Accepted;

const CommitCase kCases[] = {
    {"new_channel_takes_defaults", kEmpty, 1, "446.00625", OK, kSet},
    {"new_channel_chinese_defaults", kEmpty, 1, "446.00625", OK,
     Row("446.00625", "446.00625", "无", "无", "宽", "是", "关", "高"), Language::Chinese},
    {"existing_rx_keeps_other_cells", kSet, 1, "446", OK, With(kSet, 1, "446.00000")},
    {"rx_off_raster_clears_row", kSet, 1, "446.003", CellVerdict::OffRaster, kCleared},
    // The cell keeps the units the checks took, not a rounding off the raster.
    {"rx_digits_below_units_cut", kSet, 1, "446.006256", OK, kSet},
    {"tx_digits_below_units_cut", kSet, 2, "440.012509", OK, With(kSet, 2, "440.01250")},
    {"rx_top_of_band_accepted", kEmpty, 1, "471.00000", OK,
     Row("471.00000", "471.00000", "None", "None", "Wide", "Yes", "Off", "High")},
    {"rx_above_band_clears_row", kSet, 1, "471.005", CellVerdict::OutOfRange, kCleared},
    {"rx_emptied_clears_row", kSet, 1, "", OK, kCleared},
    {"tx_emptied_copies_rx", With(kSet, 2, "440.00000"), 2, "", OK, kSet},
    {"tx_valid", kSet, 2, "440.0125", OK, With(kSet, 2, "440.01250")},
    // A refused transmit frequency leaves the row as the image would give it back.
    {"tx_out_of_band_keeps_the_row", With(kSet, 2, "440.00000"), 2, "300", CellVerdict::OutOfRange,
     With(kSet, 2, "440.00000")},
    {"tx_off_raster_keeps_the_row", kSet, 2, "446.003", CellVerdict::OffRaster, kSet},
    {"tx_without_rx_stays_empty", Row("", "440.00000"), 2, "441", OK, Row("", "")},
    {"tone_with_point_normalised", kSet, 3, "88.8", OK, With(kSet, 3, "88.8")},
    {"tone_many_decimals_cut", kSet, 4, "88.87", OK, With(kSet, 4, "88.8")},
    {"tone_below_range", kSet, 3, "59.9", OK, kSet},
    {"tone_above_range", kSet, 3, "260.0", OK, kSet},
    {"tone_no_entry_begins", kSet, 3, "99", OK, kSet},
    {"tone_prefix_completed", kSet, 3, "100", OK, With(kSet, 3, "100.0")},
    {"dcs_case_ignored", kSet, 4, "d023n", OK, With(kSet, 4, "D023N")},
    {"dcs_prefix_completed", kSet, 4, "D02", OK, With(kSet, 4, "D023N")},
    {"enter_applies_tone_check", kSet, 3, "1024", OK, kSet},
    {"tone_in_empty_row_dropped", kEmpty, 3, "88.5", OK, kEmpty},
    {"other_language_no_tone", With(kSet, 3, "88.5"), 3, "None", OK, With(kSet, 3, "无"), Language::Chinese},
    {"list_item_taken", kSet, 5, "Narrow", OK, With(kSet, 5, "Narrow")},
    {"list_item_other_language", kSet, 8, "低", OK, With(kSet, 8, "Low")},
    {"list_item_in_empty_row_dropped", kEmpty, 7, "Carrier", OK, kEmpty},
    {"unknown_item_refused", kSet, 6, "Maybe", CellVerdict::NotAnItem, kSet},
    // Whatever the band says, a frequency the record would store as an empty
    // channel (top byte 0x00) or not at all is outside.
    {"below_10_mhz_in_a_wide_band", kEmpty, 1, "5", CellVerdict::OutOfRange, kCleared, Language::English, "1-30MHz"},
    {"tx_below_10_mhz_in_a_wide_band", With(With(kSet, 1, "20.00000"), 2, "20.00000"), 2, "9.995",
     CellVerdict::OutOfRange, With(With(kSet, 1, "20.00000"), 2, "20.00000"), Language::English, "1-30MHz"},
    {"10_mhz_held", kEmpty, 1, "10", OK, Row("10.00000", "10.00000", "None", "None", "Wide", "Yes", "Off", "High"),
     Language::English, "1-30MHz"},
    {"above_1599_mhz", kEmpty, 1, "1600", CellVerdict::OutOfRange, kCleared, Language::English, "1-2000MHz"},
};

class CommitCases : public ::testing::TestWithParam<CommitCase> {};

TEST_P(CommitCases, RowAfterCommit) {
  const CommitCase& c = GetParam();
  ChannelRow row = c.before;
  EXPECT_EQ(CommitChannelCell(row, c.column, c.text, BandLimitsFromText(c.band), c.language), c.verdict);
  EXPECT_EQ(row, c.after);
}

INSTANTIATE_TEST_SUITE_P(Cells, CommitCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A pasted or imported value: refused values leave the row as it was.
TEST(ChannelCellOutside, RefusedValuesChangeNothing) {
  const struct {
    const char* name;
    ChannelRow before;
    int column;
    const char* text;
    CellVerdict verdict;
    ChannelRow after;
  } cases[] = {
      {"rx_off_raster", kSet, 1, "446.003", CellVerdict::OffRaster, kSet},
      {"tx_out_of_band", kSet, 2, "300", CellVerdict::OutOfRange, kSet},
      {"tone_no_entry_begins", kSet, 3, "99", CellVerdict::UnknownTone, kSet},
      {"tone_none_in_lower_case", With(kSet, 3, "88.5"), 3, "none", OK, kSet},
      // Only the whole word asks for no tone, not a beginning of it.
      {"tone_n", With(kSet, 3, "88.5"), 3, "N", CellVerdict::UnknownTone, With(kSet, 3, "88.5")},
      {"tone_no", kSet, 4, "no", CellVerdict::UnknownTone, kSet},
      {"tone_non", kSet, 3, "Non", CellVerdict::UnknownTone, kSet},
      {"tone_emptied_is_no_tone", With(kSet, 4, "88.5"), 4, "", OK, kSet},
      {"tone_for_an_empty_row", kEmpty, 3, "88.5", CellVerdict::NoChannel, kEmpty},
      {"emptied_cell_of_an_empty_row", kEmpty, 5, "", OK, kEmpty},
      {"list_cell_of_a_channel_emptied", kSet, 5, "", CellVerdict::NotAnItem, kSet},
      {"new_channel", kEmpty, 1, "446.00625", OK, kSet},
  };
  for (const auto& c : cases) {
    ChannelRow row = c.before;
    EXPECT_EQ(CommitOutsideValue(row, c.column, c.text, BandLimitsFromText("400-470MHz"), Language::English), c.verdict)
        << c.name;
    EXPECT_EQ(row, c.after) << c.name;
  }
}

TEST(ChannelCellLists, ItemsOfTheListColumns) {
  EXPECT_EQ(ColumnItems(kColBusyLock, Language::English), (std::vector<std::string>{"Off", "Carrier", "QT/DQT"}));
  EXPECT_EQ(ColumnItems(kColPower, Language::Chinese), (std::vector<std::string>{"高", "中", "低"}));
  EXPECT_TRUE(ColumnItems(kColRxFrequency, Language::English).empty());
  EXPECT_EQ(ToneList(Language::Chinese).size(), 264u);
}

TEST(CellRefusalTexts, ValueShownAsGiven) {
  // A value is cut after 40 bytes.
  const std::string longValue(41, '7');
  const std::string cut = "unknown tone '" + longValue.substr(0, 40) + "...'";
  const struct {
    CellVerdict verdict;
    const char* value;
    int column;
    const char* text;
  } cases[] = {
      {CellVerdict::NotAnItem, "Maybe", kColScan, "'Maybe' is not a value of Scan"},
      {CellVerdict::NotAnItem, "x", 0, "'x' is not a value of this column"},
      // A value that holds a placeholder itself is shown as it is.
      {CellVerdict::NotAnItem, "{column}", kColScan, "'{column}' is not a value of Scan"},
      {CellVerdict::UnknownTone, "{value}", kColDecodeTone, "unknown tone '{value}'"},
      {CellVerdict::NotAnItem, "", kColScan, "a channel in use needs a value here"},
      {CellVerdict::UnknownTone, longValue.c_str(), kColDecodeTone, cut.c_str()},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CellRefusalText(c.verdict, c.value, c.column, Language::English), c.text) << c.value;
}

}  // namespace
