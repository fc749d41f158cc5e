#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/radio/CaseText.h"
#include "core/radio/ImageMap.h"
#include "core/settings/ParamArea.h"
#include "core/settings/PowerTable.h"

namespace {

using Points = std::vector<std::uint16_t>;

TEST(BuildBandPoints, StepsOnMultiplesAndEndsOnLast) {
  const struct {
    std::uint16_t first, last, step;
    Points points;
  } cases[] = {
      {136, 174, 10, {136, 140, 150, 160, 170, 174}},
      {400, 470, 10, {400, 410, 420, 430, 440, 450, 460, 470}},
      {130, 160, 10, {130, 140, 150, 160}},
      {160, 130, 10, {160}},
      {65530, 65535, 10, {65530, 65535}},  // no wrap past the 16-bit top
      {5, 9, 0, {5}},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildBandPoints(c.first, c.last, c.step), c.points) << c.first;
}

// Band rows for both tables, from band texts as the product choice gives them.
TEST(BandTableFor, RowsBaseAndCut) {
  const struct {
    const char* band;
    int entries;
    Points rows;
    int base;
    int bandPoints;
  } cases[] = {
      {"130 - 160MHz", 9, {130, 140, 150, 160}, 0, 4},
      {"136-174MHz", 9, {136, 140, 150, 160, 170, 174}, 0, 6},
      {"420-450MHz", 9, {420, 430, 440, 450}, 2, 4},
      {"450-520MHz", 9, {450, 460, 470, 480}, 5, 8},  // cut at the last power entry
      {"450-520MHz", 13, {450, 460, 470, 480, 490, 500, 510, 520}, 5, 8},
      {"430-460MHz", 13, {430, 440, 450, 460}, 3, 4},
      {"400-530MHz", 13, {400, 410, 420, 430, 440, 450, 460, 470, 480, 490, 500, 510, 520}, 0, 14},
      {"500-520MHz", 9, {}, 10, 3},  // starts beyond the table
      {"", 9, {0}, 0, 1},
  };
  for (const auto& c : cases) {
    const BandTable table = BandTableFor(BandLimitsFromText(c.band), c.entries);
    SCOPED_TRACE(std::string(c.band) + " over " + std::to_string(c.entries));
    EXPECT_EQ(table.points, c.rows);
    EXPECT_EQ(table.base, c.base);
    EXPECT_EQ(table.bandPointCount, c.bandPoints);
  }
}

TEST(BandCutNote, OneLineOnlyWhenCut) {
  EXPECT_EQ(BandCutNote(PowerTableFor(BandLimitsFromText("400-470MHz")), Language::English), "");
  const BandTable cut = PowerTableFor(BandLimitsFromText("450-520MHz"));
  EXPECT_EQ(BandCutNote(cut, Language::English),
            "Only 4 of the band's 8 points have table entries; the rest have none.");
  EXPECT_EQ(BandCutNote(cut, Language::Chinese), "频段的 8 个点中只有 4 个有表项，其余没有表项。");
}

// ------------------------------------------------------------ power table

TEST(PowerTable, CellOffsets) {
  const struct {
    const char* band;
    int row, column;
    std::uint16_t offset;
  } cases[] = {
      {"130 - 160MHz", 4, 3, 0x3EB},  // row 160, High Power
      {"420-450MHz", 1, 1, 0x3E6},    // row 420, Low Power
      {"400-480MHz", 9, 3, 0x3FA},
      {"450-520MHz", 4, 3, 0x3FA},  // the last row left after the cut
  };
  for (const auto& c : cases) {
    const BandTable table = PowerTableFor(BandLimitsFromText(c.band));
    EXPECT_EQ(HexWord(PowerCellOffset(PowerBaseOffset(table), c.row, c.column)), HexWord(c.offset)) << c.band;
  }
  EXPECT_STREQ(PowerColumnTitle(3, Language::Chinese), "高功率");
}

TEST(PowerTable, CellsStayInsideTheTable) {
  for (const char* band : {"420-450MHz", "450-520MHz", "400-900MHz", "136-174MHz"}) {
    const BandTable table = PowerTableFor(BandLimitsFromText(band));
    const std::vector<PowerRow> rows(table.points.size(), PowerRow{"7", "7", "7"});
    std::vector<PowerRow> cells = rows;
    cells.push_back({"7", "7", "7"});  // a row the band has no entry for is ignored
    RadioImage image;                  // all 0xFF
    StorePowerCells(cells, table, image);
    std::size_t written = 0;
    for (std::size_t i = 0; i < image.size(); ++i) {
      if (image[i] == 0xFF) continue;
      ++written;
      EXPECT_TRUE(i >= ImageMap::kPowerTable && i < ImageMap::kPowerTableEnd) << band << " " << HexWord(i);
    }
    EXPECT_EQ(written, 3 * rows.size()) << band;
    EXPECT_EQ(PowerCellsFromImage(image, table), rows) << band;
  }
}

TEST(PowerTable, CellEditorCloseRuleAndStoredByte) {
  const struct {
    const char* typed;
    const char* closed;
    std::uint8_t stored;
  } cases[] = {
      {"300", "255", 255}, {"256", "255", 255}, {"255", "255", 255},  {"-5", "0", 0},
      {"", "", 0},         {"abc", "abc", 0},   {" 12x", " 12x", 12}, {"99999999999999999999", "255", 255},
  };
  const BandTable table = PowerTableFor(BandLimitsFromText("400-400MHz"));
  for (const auto& c : cases) {
    EXPECT_EQ(ClosePowerCellEditor(c.typed), c.closed) << Quoted(c.typed);
    RadioImage image = BuiltInDefaults();
    StorePowerCells({{c.typed, "1", "2"}}, table, image);
    EXPECT_EQ(image[ImageMap::kPowerTable], c.stored) << Quoted(c.typed);
  }
}

// --------------------------------------------------------- parameter area

TEST(ParamArea, ListEntriesAndTitles) {
  const std::vector<std::string> narrow = ParamListEntries(ParamList::NarrowSql);
  ASSERT_EQ(narrow.size(), 21u);
  EXPECT_EQ(narrow.front() + " " + narrow[10] + " " + narrow.back(), "-10 0 10");
  EXPECT_STREQ(SquelchColumnTitle(Language::Chinese), "静噪");
  EXPECT_STREQ(RxRowTitle(3, Language::English), "Param 3");
  EXPECT_STREQ(RxColumnTitle(2, Language::Chinese), "窄带");
}

TEST(ParamArea, NarrowSquelchSignAndMagnitude) {
  const struct {
    std::uint8_t byte;
    int value;
  } decoded[] = {{0x83, -3}, {0x07, 7}, {0x8A, -10}, {0x80, 0}, {0x8F, -15}, {0xFF, -127}};
  for (const auto& c : decoded) EXPECT_EQ(DecodeNarrowSquelch(c.byte), c.value) << HexByte(c.byte);
  const struct {
    long long value;
    std::uint8_t byte;
  } encoded[] = {{-3, 0x83},
                 {7, 0x07},
                 {-10, 0x8A},
                 {0, 0x00},
                 {200, 0xC8},
                 {-200, 0xC8},
                 {std::numeric_limits<long long>::min(), 0x80}};
  for (const auto& c : encoded) EXPECT_EQ(HexByte(EncodeNarrowSquelch(c.value)), HexByte(c.byte)) << c.value;
}

// An area with every owned byte in range but the ones a case changes.
RadioImage InRange() {
  RadioImage image = BuiltInDefaults();
  for (int k = 0; k < ImageMap::kSquelchTableEntries; ++k) image[ImageMap::kSquelchTable + k] = 50;
  const std::uint8_t rest[] = {5, 0x83, 60, 61, 62, 63, 64, 65, 10, 20, 5, 100, 10, 12};
  for (std::size_t i = 0; i < sizeof rest; ++i) image[ImageMap::kSquelchClose + i] = rest[i];
  return image;
}

TEST(ParamArea, OpeningShowsNormalisedValuesAndLeavesTheImage) {
  const BandTable table = SquelchTableFor(BandLimitsFromText("430-460MHz"));
  RadioImage image = InRange();
  image[0x303] = 4;    // row 430, below 5
  image[0x306] = 101;  // row 460, above 100
  image[0x302] = 0;    // no row of this band: untouched
  image[0x30D] = 0;
  image[0x30E] = 0x8F;  // magnitude 15
  image[0x314] = 126;
  image[0x316] = 200;  // MIC2 above 127
  image[0x318] = 29;
  const RadioImage before = image;
  const ParamControls shown = ParamControlsFromImage(image, table);
  EXPECT_TRUE(image == before) << "opening changed the image";
  EXPECT_EQ(shown.squelch, (std::vector<std::string>{"5", "50", "50", "5"}));
  EXPECT_EQ(shown.sqlClose, "1");
  EXPECT_EQ(shown.narrowSql, "0");
  EXPECT_EQ(shown.rx, (std::array<std::string, 6>{"60", "61", "62", "63", "64", "5"}));
  EXPECT_EQ(shown.tx, (std::array<std::string, 6>{"10", "0", "5", "30", "10", "12"}));

  // OK without a change stores exactly what was shown.
  StoreParamControls(shown, table, image);
  RadioImage expected = before;
  const std::pair<int, std::uint8_t> forced[] = {{0x303, 5}, {0x306, 5}, {0x30D, 1}, {0x30E, 0},
                                                 {0x314, 5}, {0x316, 0}, {0x318, 30}};
  for (const auto& [offset, value] : forced) expected[static_cast<std::size_t>(offset)] = value;
  EXPECT_TRUE(image == expected);
}

TEST(ParamArea, StoringTypedTexts) {
  const BandTable table = SquelchTableFor(BandLimitsFromText("130 - 160MHz"));
  const struct {
    const char* what;
    void (*edit)(ParamControls&);
    int offset;
    std::uint8_t stored;
  } cases[] = {
      {"narrow 7", [](ParamControls& c) { c.narrowSql = "7"; }, 0x30E, 0x07},
      {"narrow -10", [](ParamControls& c) { c.narrowSql = "-10"; }, 0x30E, 0x8A},
      {"narrow -11", [](ParamControls& c) { c.narrowSql = "-11"; }, 0x30E, 0x00},
      {"MIC2 200", [](ParamControls& c) { c.tx[1] = "200"; }, 0x316, 0x00},
      {"Dcs 261 wraps to 5", [](ParamControls& c) { c.tx[5] = "261"; }, 0x31A, 5},
      {"SQL row 160", [](ParamControls& c) { c.squelch[3] = "99"; }, 0x303, 99},
      {"Rx 2 narrow", [](ParamControls& c) { c.rx[3] = "125"; }, 0x312, 125},
  };
  for (const auto& c : cases) {
    RadioImage image = InRange();
    image[0x31B] = 0xAB;  // owned by no control
    ParamControls controls = ParamControlsFromImage(image, table);
    c.edit(controls);
    RadioImage expected = image;
    expected[static_cast<std::size_t>(c.offset)] = c.stored;
    StoreParamControls(controls, table, image);
    EXPECT_TRUE(image == expected) << c.what << ": " << HexByte(image[static_cast<std::size_t>(c.offset)]);
  }
}

TEST(ParamArea, NormaliseTouchesOnlyTheBandsRowsInsideTheTable) {
  RadioImage image = InRange();
  for (int k = 0; k < ImageMap::kSquelchTableEntries; ++k) image[ImageMap::kSquelchTable + k] = 0;
  NormalizeServiceParams(SquelchTableFor(BandLimitsFromText("460-600MHz")), image);  // base 6, 7 rows fit
  for (int k = 0; k < ImageMap::kSquelchTableEntries; ++k)
    EXPECT_EQ(image[ImageMap::kSquelchTable + k], k >= 6 ? 5 : 0) << k;
  EXPECT_EQ(image[ImageMap::kSquelchClose], 5) << "the byte after the table is no squelch entry";
}

TEST(ParamArea, CellEditorsFallBackToFive) {
  const struct {
    ParamList editor;
    const char* typed;
    const char* closed;
  } cases[] = {
      {ParamList::RxCell, "130", "5"},  {ParamList::RxCell, "125", "125"}, {ParamList::RxCell, "4", "5"},
      {ParamList::SqlCell, "101", "5"}, {ParamList::SqlCell, "", "5"},     {ParamList::SqlCell, "50x", "50x"},
  };
  for (const auto& c : cases) EXPECT_EQ(CloseParamCellEditor(c.editor, c.typed), c.closed) << Quoted(c.typed);
}

}  // namespace
