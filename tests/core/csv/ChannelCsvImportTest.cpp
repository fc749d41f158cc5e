#include <sys/stat.h>

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvImportReport.h"
#include "core/csv/CsvTestRows.h"
#include "core/csv/CsvText.h"
#include "support/TempDir.h"

namespace {

using R = CsvRefusalReason;

const BandLimits kBand = BandLimitsFromText("400-470MHz");
const std::string kOwnHeader = "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\r\n";

TEST(OwnCsv, ExportOfImportGivesTheSameFile) {
  const std::string file = kOwnHeader +
                           "1,446.00625,446.00625,88.5,D023N,Wide,Yes,Carrier,High\r\n"
                           "2,400.00000,471.00000,None,D754I,Narrow,No,QT/DQT,Middle\r\n"
                           "9,446.10000,446.10000,88.8,None,Wide,Yes,Off,Low\r\n"
                           "16,470.00000,440.00000,D131I,100.0,Narrow,No,Off,High\r\n";
  // An empty channel written out by a spreadsheet is no line of its own.
  const CsvImportResult result = ImportChannelsCsv(file + "3,,,,,,,,\r\n", kBand, Language::English);
  EXPECT_TRUE(result.refused.empty());
  EXPECT_EQ(result.imported, 4);
  EXPECT_EQ(result.table[8], (ChannelRow{" 9", "446.10000", "446.10000", "88.8", "None", "Wide", "Yes", "Off", "Low"}));
  RadioImage image;
  StoreTableToImage(result.table, image);
  EXPECT_EQ(ExportChannelsCsv(image, CsvForm::Own), file);
}

TEST(OwnCsv, ChineseTitlesAndTextsInAnotherOrder) {
  const std::string file =
      "\xEF\xBB\xBF功率,信道,接收频率,QT/DQT编码,繁忙锁定,宽/窄,扫描,QT/DQT解码,发射频率\n"
      "中,2,446.01250,D023I,载波,窄,否,无,446.02500\n";
  ChannelTable english = EmptyChannelTable();
  PutRow(english, 2, Row("446.01250", "446.02500", "None", "D023I", "Narrow", "No", "Carrier", "Middle"));
  EXPECT_EQ(ImportChannelsCsv(file, kBand, Language::English).table, english);
  ChannelTable chinese = EmptyChannelTable();
  PutRow(chinese, 2, Row("446.01250", "446.02500", "无", "D023I", "窄", "否", "载波", "中"));
  EXPECT_EQ(ImportChannelsCsv(file, kBand, Language::Chinese).table, chinese);
}

TEST(OwnCsv, MissingColumnsTakeNewChannelDefaults) {
  const CsvImportResult result = ImportChannelsCsv("Power, Rx Frequency \n Low ,446.50000\n", kBand, Language::English);
  ChannelTable expected = EmptyChannelTable();
  PutRow(expected, 1, Row("446.50000", "446.50000", "None", "None", "Wide", "Yes", "Off", "Low"));
  EXPECT_EQ(result.table, expected);
}

struct RefusalCase {
  const char* name;
  const char* line;  // CH,Rx,Tx,Dec,Enc,W/N,Scan,Busy,Power
  R reason;
  const char* value;
};
void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class OwnCsvRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(OwnCsvRefusal, LineTakesNoChannel) {
  const RefusalCase& c = GetParam();
  const CsvImportResult result = ImportChannelsCsv(
      kOwnHeader + c.line + "\r\n1,446.00625,,None,None,Wide,Yes,Off,High\r\n", kBand, Language::English);
  EXPECT_EQ(result.imported, 0);
  EXPECT_EQ(result.table, EmptyChannelTable());
  ASSERT_EQ(result.refused.size(), 2u);
  EXPECT_EQ(result.refused[0].line, 2);
  EXPECT_EQ(result.refused[0].reason, c.reason);
  EXPECT_EQ(result.refused[0].value, c.value);
  EXPECT_EQ(result.refused[1].reason, R::ReceiveOnly);  // an empty Tx Frequency
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OwnCsvRefusal,
    ::testing::Values(
        RefusalCase{"rx_outside_band", "1,471.00500,446.00625,None,None,Wide,Yes,Off,High", R::OutOfRange, "471.00500"},
        RefusalCase{"tx_off_raster", "1,446.00625,446.00300,None,None,Wide,Yes,Off,High", R::OffRaster, "446.00300"},
        RefusalCase{"no_rx", "1,,446.00625,None,None,Wide,Yes,Off,High", R::NoFrequency, ""},
        RefusalCase{"tone_not_held", "1,446.00625,446.00625,260,None,Wide,Yes,Off,High", R::UnknownTone, "260"},
        RefusalCase{"item_not_held", "1,446.00625,446.00625,None,None,Wide,Maybe,Off,High", R::UnknownValue, "Maybe"},
        // A file is not typing: nothing is completed, cut or read past.
        RefusalCase{"rx_beyond_five_decimals", "1,446.006251,446.00625,None,None,Wide,Yes,Off,High", R::OffRaster,
                    "446.006251"},
        RefusalCase{"rx_negative", "1,-446.00625,446.00625,None,None,Wide,Yes,Off,High", R::OutOfRange, "-446.00625"},
        RefusalCase{"rx_trailing_text", "1,446.00625abc,446.00625,None,None,Wide,Yes,Off,High", R::NotMegahertz,
                    "446.00625abc"},
        RefusalCase{"tx_exponent", "1,446.00625,4.4600625e2,None,None,Wide,Yes,Off,High", R::NotMegahertz,
                    "4.4600625e2"},
        RefusalCase{"tone_cut", "1,446.00625,446.00625,88.49,None,Wide,Yes,Off,High", R::UnknownTone, "88.49"},
        RefusalCase{"tone_prefix_of_100", "1,446.00625,446.00625,None,1,Wide,Yes,Off,High", R::UnknownTone, "1"},
        RefusalCase{"tone_prefix_of_82", "1,446.00625,446.00625,8,None,Wide,Yes,Off,High", R::UnknownTone, "8"},
        RefusalCase{"dcs_prefix", "1,446.00625,446.00625,D,None,Wide,Yes,Off,High", R::UnknownTone, "D"},
        RefusalCase{"dcs_lower_case", "1,446.00625,446.00625,None,d023n,Wide,Yes,Off,High", R::UnknownTone, "d023n"}));

// A spreadsheet that opens and saves a list writes every number in its
// shortest form: 146.520000 as 146.52, 100.0 as 100, 023 as 23.
std::string AsASpreadsheetSavesIt(const std::string& csv) {
  std::string saved;
  for (CsvRecord record : ReadCsv(csv).records) {
    for (std::string& field : record.fields) {
      if (field.empty() || field.find_first_not_of("0123456789.") != std::string::npos) continue;
      if (field.find('.') != std::string::npos) field.erase(field.find_last_not_of('0') + 1);
      if (field.back() == '.') field.pop_back();
      field.erase(0, std::min(field.find_first_not_of('0'), field.size() - 1));
    }
    saved += CsvLine(record.fields);
  }
  return saved;
}

class SpreadsheetRoundTrip : public ::testing::TestWithParam<CsvForm> {};

TEST_P(SpreadsheetRoundTrip, EveryChannelComesBack) {
  ChannelTable table = EmptyChannelTable();
  PutRow(table, 1, Row("146.52000", "146.52000", "100.0", "67.0", "Narrow", "No"));
  PutRow(table, 2, Row("446.00000", "446.60000", "D023N", "88.5", "Wide", "Yes", "Off", "Low"));
  PutRow(table, 5, Row("440.10000", "145.50000", "None", "D754I", "Wide", "Yes", "Off", "Middle"));
  PutRow(table, 7, Row("136.00625", "136.00625", "254.1", "None"));
  PutRow(table, 16, Row("470.00000", "400.00000", "D131I", "D131I"));
  // Tones that the tone check holds but the list does not: our form only.
  if (GetParam() == CsvForm::Own) PutRow(table, 9, Row("446.10000", "446.10000", "99.0", "60.0"));
  RadioImage image;
  StoreTableToImage(table, image);
  const std::string exported = ExportChannelsCsv(image, GetParam());
  const std::string saved = AsASpreadsheetSavesIt(exported);
  ASSERT_NE(saved, exported);
  const CsvImportResult back = ImportChannelsCsv(saved, WideBand(), Language::English);
  EXPECT_TRUE(back.refused.empty()) << CsvImportReport(back, Language::English);
  EXPECT_EQ(back.table, table);
}

INSTANTIATE_TEST_SUITE_P(Forms, SpreadsheetRoundTrip, ::testing::Values(CsvForm::Own, CsvForm::Chirp),
                         [](const auto& info) { return std::string(info.param == CsvForm::Own ? "own" : "chirp"); });

// Twenty lines in file order (no CH column): one refused line takes no
// channel, and the lines after the sixteenth channel are refused.
TEST(ChannelCsvPlacement, TwentyLinesFillSixteenChannels) {
  std::string file = "Rx Frequency\n";
  for (int i = 0; i < 20; ++i)
    file += (i == 3 ? "480.00000" : "44" + std::to_string(i % 10) + ".50000") + std::string("\n");
  const CsvImportResult result = ImportChannelsCsv(file, kBand, Language::English);
  EXPECT_EQ(result.imported, 16);
  EXPECT_EQ(result.table[3][kColRxFrequency], "444.50000");   // line 6 took channel 4
  EXPECT_EQ(result.table[15][kColRxFrequency], "446.50000");  // line 18
  ASSERT_EQ(result.refused.size(), 4u);
  EXPECT_EQ(result.refused[0].reason, R::OutOfRange);
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(result.refused[i].reason, R::TooManyChannels);
    EXPECT_EQ(result.refused[i].line, 18 + i);
  }
}

TEST(ChannelCsvPlacement, LocationsFromOneToSixteenPlaceTheirLines) {
  const std::string chirp = "Location,Frequency\n5,446.5\n3,446.25\n5,446.75\n";
  const CsvImportResult byLocation = ImportChannelsCsv(chirp, kBand, Language::English);
  EXPECT_EQ(byLocation.table[4][kColRxFrequency], "446.50000");
  EXPECT_EQ(byLocation.table[2][kColRxFrequency], "446.25000");
  ASSERT_EQ(byLocation.refused.size(), 1u);
  EXPECT_EQ(byLocation.refused[0].reason, R::ChannelTaken);
  // One Location outside 1-16: every line goes in file order.
  const CsvImportResult inOrder = ImportChannelsCsv(chirp + "17,440\n", kBand, Language::English);
  EXPECT_EQ(inOrder.imported, 4);
  EXPECT_EQ(inOrder.table[0][kColRxFrequency], "446.50000");
  EXPECT_EQ(inOrder.table[3][kColRxFrequency], "440.00000");
}

// A band from Program.ini may reach below 10 MHz, where a channel record
// cannot hold a frequency: such a line is refused, and every channel reported
// as imported is in the image.
TEST(ChannelCsvPlacement, ImportedChannelsAreInTheImage) {
  const CsvImportResult result =
      ImportChannelsCsv("Frequency,Duplex,Offset\n5.0,,\n10.0,,\n29.5,split,9.995\n29.5,-,0.5\n",
                        BandLimitsFromText("1-30MHz"), Language::English);
  EXPECT_EQ(result.imported, 2);
  ASSERT_EQ(result.refused.size(), 2u);
  EXPECT_EQ(result.refused[0].reason, R::OutOfRange);
  EXPECT_EQ(result.refused[1].reason, R::OutOfRange);
  RadioImage image;
  StoreTableToImage(result.table, image);
  EXPECT_EQ(TableFromImage(image, Language::English), result.table);
}

TEST(ChannelCsvFile, UnreadableFilesImportNothing) {
  const struct {
    std::string text;
    CsvFileFailure failure;
  } cases[] = {
      {"", CsvFileFailure::NotChannelList},
      {"\n,,\n", CsvFileFailure::NotChannelList},
      {"Name,Tone\nA,TSQL\n", CsvFileFailure::NotChannelList},
      {"Frequency\n\xB9\xE3\n", CsvFileFailure::NotUtf8},
      {"Frequency,Name\n446,\"open\n", CsvFileFailure::UnclosedQuote},
  };
  for (const auto& c : cases) {
    const CsvImportResult result = ImportChannelsCsv(c.text, kBand, Language::English);
    EXPECT_EQ(result.failure, c.failure) << c.text;
    EXPECT_EQ(result.table, EmptyChannelTable());
    EXPECT_EQ(result.imported, 0);
  }
  TempDir dir;
  EXPECT_EQ(ImportChannelsCsvFile(dir.file("missing.csv"), kBand, Language::English).failure,
            CsvFileFailure::CannotRead);
  dir.Write("large.csv", "Frequency\n" + std::string(kMaxChannelCsvSize, '\n'));
  EXPECT_EQ(ImportChannelsCsvFile(dir.file("large.csv"), kBand, Language::English).failure, CsvFileFailure::TooLarge);
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  for (const std::string& device : {std::string("/dev/zero"), dir.file("fifo")}) {
    EXPECT_EQ(CsvFileFailureText(ImportChannelsCsvFile(device, kBand, Language::English), Language::English),
              "The file cannot be read: not a regular file.");
  }
  dir.Write("ok.csv", "Frequency\n446.5\n");
  EXPECT_EQ(ImportChannelsCsvFile(dir.file("ok.csv"), kBand, Language::English).imported, 1);
}

TEST(CsvImportReport, CountAndEveryRefusedLine) {
  const CsvImportResult result =
      ImportChannelsCsv("Frequency,Mode,Tone,rToneFreq\n446.5,FM,,\n446.5,\"A\nM\",,\n480,FM,,\n446.5,FM,Tone,69.4\n",
                        kBand, Language::English);
  EXPECT_EQ(CsvImportReport(result, Language::English),
            "1 channel imported.\n"
            "3 lines refused:\n"
            "Line 3: unknown mode 'A?M' (FM or NFM)\n"
            "Line 5: 480.00000 is outside the band\n"
            "Line 6: unknown tone '69.4'\n");
  EXPECT_EQ(CsvImportReport(result, Language::Chinese),
            "已导入 1 个信道。\n"
            "3 行未导入：\n"
            "第 3 行：未知的模式“A?M”（FM 或 NFM）\n"
            "第 5 行：480.00000 超出频段\n"
            "第 6 行：未知的亚音“69.4”\n");
  EXPECT_EQ(CsvImportReport(result, Language::English, 1),
            "1 channel imported.\n3 lines refused:\nLine 3: unknown mode 'A?M' (FM or NFM)\n... and 2 more.\n");
  // A frequency that is no number names its column.
  const CsvImportResult inexact = ImportChannelsCsv(
      kOwnHeader + "1,446.00625,446.1 MHz,None,None,Wide,Yes,Off,High\r\n1,{column},446.00625,,,,,,\r\n", kBand,
      Language::English);
  EXPECT_EQ(CsvImportReport(inexact, Language::English),
            "0 channels imported.\n2 lines refused:\nLine 2: Tx Frequency '446.1 MHz' is not a number of MHz (such "
            "as 446.00625)\nLine 3: Rx Frequency '{column}' is not a number of MHz (such as 446.00625)\n");
  EXPECT_EQ(CsvImportReport(inexact, Language::Chinese),
            "已导入 0 个信道。\n2 行未导入：\n第 2 行：发射频率“446.1 MHz”不是以 MHz 计的数（例如 446.00625）\n"
            "第 3 行：接收频率“{column}”不是以 MHz 计的数（例如 446.00625）\n");
  CsvImportResult unreadable;
  unreadable.failure = CsvFileFailure::UnclosedQuote;
  unreadable.failureLine = 7;
  EXPECT_EQ(CsvImportReport(unreadable, Language::English), "Line 7: a quoted field is not closed.\n");
  const CsvImportResult nul = ImportChannelsCsv(std::string("Frequency\n446.5\0\n", 17), kBand, Language::English);
  EXPECT_EQ(CsvImportReport(nul, Language::English), "Line 2 holds a NUL byte: the file is not text.\n");
  EXPECT_EQ(CsvImportReport(nul, Language::Chinese), "第 2 行含有 NUL 字节：文件不是文本。\n");
}

}  // namespace
