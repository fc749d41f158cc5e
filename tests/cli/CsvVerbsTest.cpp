// export-csv and import-csv as a user runs them.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/ExitStatus.h"
#include "cli/RunProgram.h"
#include "core/csv/ChannelCsv.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/radio/ChannelCellRules.h"
#include "core/radio/ChannelTable.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const char* const kOwnHeader = "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\r\n";

// Radio type 2, band 1 of the test's Program.ini: 400-470MHz.
RadioImage Document() {
  RadioImage image = BuiltInDefaults();
  image[ImageMap::kProductType] = 1;
  image[ImageMap::kProductBand] = 0;
  return image;
}

// programcli in a folder of its own with the Program.ini the test gives.
class CsvVerbs : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(m_dir.file("bin"));
    fs::copy_file(BuiltProgram("programcli"), m_dir.file("bin/programcli"));
    m_dir.Write("bin/Program.ini", "[Setup]\nField1=136-174MHz\nField2=400-470MHz|450-520MHz\n");
    m_dir.Write("doc.dat", DataFileBytes(Document()));
  }
  ProgramRun Run(const std::vector<std::string>& args) { return RunProgram(m_dir.file("bin/programcli"), args); }
  ChannelTable TableOf(const std::string& name) {
    RadioImage image;
    EXPECT_TRUE(LoadDataFile(m_dir.file(name), image).ok());
    return TableFromImage(image, Language::English);
  }
  TempDir m_dir;
};

TEST_F(CsvVerbs, ExportThenImportKeepsTheChannels) {
  m_dir.Write("in.csv", std::string(kOwnHeader) +
                            "1,446.00625,446.00625,88.5,D023N,Wide,Yes,Carrier,High\r\n"
                            "4,440.01250,445.01250,D754I,None,Narrow,No,Off,Low\r\n");
  ProgramRun run = Run({"import-csv", m_dir.file("doc.dat"), m_dir.file("in.csv"), "-o", m_dir.file("new.dat")});
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.err, "Band 400-470MHz (Program.ini)\n2 channels imported.\n");
  for (const char* format : {"ours", "chirp"}) {
    run = Run({"export-csv", m_dir.file("new.dat"), "-o", m_dir.file("out.csv"), "--format", format});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    if (std::string(format) == "ours") EXPECT_EQ(m_dir.Read("out.csv"), m_dir.Read("in.csv"));
    run = Run({"import-csv", m_dir.file("doc.dat"), m_dir.file("out.csv"), "-o", m_dir.file("back.dat"), "--band",
               "400-470"});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    ChannelTable expected = TableOf("new.dat");
    if (std::string(format) == "chirp") expected[0][kColBusyLock] = "Off";  // that form has no busy lock
    EXPECT_EQ(TableOf("back.dat"), expected) << format;
  }
}

struct ImportCase {
  const char* name;
  std::string csv;
  std::vector<std::string> options;
  int status;
  std::string err;  // all of it, or the part without the file's name
  bool written;
};
void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

class CsvImportRuns : public CsvVerbs, public ::testing::WithParamInterface<ImportCase> {};

TEST_P(CsvImportRuns, StatusReportAndOutput) {
  const ImportCase& c = GetParam();
  m_dir.Write("in.csv", c.csv);
  std::vector<std::string> args{"import-csv", m_dir.file("doc.dat"), m_dir.file("in.csv"), "-o", m_dir.file("new.dat")};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const ProgramRun run = Run(args);
  EXPECT_EQ(run.status, c.status);
  EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  EXPECT_EQ(fs::exists(m_dir.file("new.dat")), c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvImportRuns,
    ::testing::Values(ImportCase{"refused_line",
                                 "Frequency\n446.5\n480\n",
                                 {},
                                 kExitLinesRefused,
                                 "Band 400-470MHz (Program.ini)\n1 channel imported.\n1 line refused:\n"
                                 "Line 3: 480.00000 is outside the band\n",
                                 true},
                      ImportCase{"band_option_wins",
                                 "Frequency\n146.5\n",
                                 {"--band", "136-174"},
                                 kExitOk,
                                 "Band 136-174 (--band)\n1 channel imported.\n",
                                 true},
                      ImportCase{"report_in_chinese",
                                 "Frequency\n446.5\n",
                                 {"--lang", "Chinese"},
                                 kExitOk,
                                 "频段 400-470MHz（Program.ini）\n已导入 1 个信道。\n",
                                 true},
                      ImportCase{"unreadable_writes_nothing",
                                 "Name\nx\n",
                                 {},
                                 kExitFileError,
                                 "in.csv: The first line names no frequency column",
                                 false},
                      ImportCase{"bad_band",
                                 "Frequency\n446.5\n",
                                 {"--band", "high"},
                                 kExitUsage,
                                 "--band 'high' is not LOW-HIGH, two whole numbers of MHz such as 400-470",
                                 false},
                      ImportCase{"band_with_an_exponent",
                                 "Frequency\n446.5\n",
                                 {"--band", "4e2-470"},
                                 kExitUsage,
                                 "--band '4e2-470' is not LOW-HIGH",
                                 false},
                      ImportCase{"band_with_trailing_text",
                                 "Frequency\n446.5\n",
                                 {"--band", "400-470abc"},
                                 kExitUsage,
                                 "--band '400-470abc' is not LOW-HIGH",
                                 false},
                      ImportCase{"band_upside_down",
                                 "Frequency\n446.5\n",
                                 {"--band", "470-400"},
                                 kExitUsage,
                                 "--band '470-400' does not have LOW below HIGH",
                                 false},
                      // 5 MHz would be stored with a top byte of 0x00: an empty channel.
                      ImportCase{"band_below_10_mhz",
                                 "Frequency\n5.0\n",
                                 {"--band", "1-30"},
                                 kExitUsage,
                                 "--band '1-30' reaches below 10 MHz",
                                 false}));

// As in the channel window: a file none of whose lines is taken leaves the
// channels as they were.
TEST_F(CsvVerbs, NoLineTakenKeepsTheChannels) {
  RadioImage image = Document();
  ChannelTable table = TableFromImage(image, Language::English);
  FillNewChannelDefaults(table[2], "446.50000", Language::English);
  StoreTableToImage(table, image);
  m_dir.Write("doc.dat", DataFileBytes(image));
  for (const auto& [csv, status] : {std::pair<std::string, int>{"Frequency\n480\n", kExitLinesRefused},
                                    std::pair<std::string, int>{"Frequency\n", kExitOk}}) {
    m_dir.Write("in.csv", csv);
    const ProgramRun run = Run({"import-csv", m_dir.file("doc.dat"), m_dir.file("in.csv"), "-o", m_dir.file("n.dat")});
    EXPECT_EQ(run.status, status) << csv;
    EXPECT_NE(run.err.find("0 channels imported."), std::string::npos) << run.err;
    EXPECT_EQ(TableOf("n.dat"), TableOf("doc.dat")) << csv;
  }
}

TEST_F(CsvVerbs, NoBandNoOutput) {
  RadioImage image = Document();
  image[ImageMap::kProductType] = 7;  // no Field8 in Program.ini
  m_dir.Write("doc.dat", DataFileBytes(image));
  m_dir.Write("in.csv", "Frequency\n446.5\n");
  const ProgramRun run = Run({"import-csv", m_dir.file("doc.dat"), m_dir.file("in.csv"), "-o", m_dir.file("n.dat")});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_NE(run.err.find("give --band LOW-HIGH"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(m_dir.file("n.dat")));
}

// A file that holds a radio's memory is made for its owner alone; a file it
// replaces keeps its mode, and a channel list takes the usual one.
TEST_F(CsvVerbs, NewDataFilesArePrivateAndAReplacedFileKeepsItsMode) {
  m_dir.Write("in.csv", "Frequency\n446.5\n");
  const struct {
    std::vector<std::string> args;  // the output is always "out"
    mode_t existing;                // 0: no file yet
    mode_t mode;
  } cases[] = {
      {{"new", "-o"}, 0, 0600},
      {{"new", "-o"}, 0664, 0664},
      {{"import-csv", m_dir.file("doc.dat"), m_dir.file("in.csv"), "-o"}, 0, 0600},
      {{"export-csv", m_dir.file("doc.dat"), "-o"}, 0, 0644},
  };
  const mode_t umask = ::umask(022);
  for (const auto& c : cases) {
    fs::remove(m_dir.file("out"));
    if (c.existing != 0) {
      m_dir.Write("out", DataFileBytes(Document()));
      ::chmod(m_dir.file("out").c_str(), c.existing);
    }
    std::vector<std::string> args = c.args;
    args.push_back(m_dir.file("out"));
    const ProgramRun run = Run(args);
    EXPECT_EQ(run.status, kExitOk) << args[0] << ": " << run.err;
    struct stat st {};
    ASSERT_EQ(::stat(m_dir.file("out").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.mode) << args[0] << " over " << std::oct << c.existing;
  }
  ::umask(umask);
}

}  // namespace
