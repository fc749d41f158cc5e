#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliTexts.h"
#include "cli/ExitStatus.h"
#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Cli() { return BuiltProgram("programcli"); }

// -------------------------------------------------------------- expected

const char* const kEnglishTitles =
    "CH\tRx Frequency\tTx Frequency\tQT/DQT Dec\tQT/DQT Enc\tW/N\tScan\tBusy Lock\tPower\n";
const char* const kChineseTitles = "信道\t接收频率\t发射频率\tQT/DQT解码\tQT/DQT编码\t宽/窄\t扫描\t繁忙锁定\t功率\n";

std::string EmptyRow(int n) { return (n < 10 ? " " : "") + std::to_string(n) + "\t\t\t\t\t\t\t\t\n"; }

std::string EmptyRows(int from, int to) {
  std::string s;
  for (int n = from; n <= to; ++n) s += EmptyRow(n);
  return s;
}

// The built-in defaults' options.
const char* const kDefaultOptionsEnglish =
    "Time Out Time:\t45s\n"
    "Squelch Level:\t5\n"
    "Voice Annunication:\tChinese\n"
    "Vox Delay Time:\t0.3s\n"
    "Vox Gain Level:\t5\n"
    "Battery Saver:\tOn\n"
    "Beep:\tOn\n"
    "\n"
    "timeout=45s\nsquelch=5\npriority=Off\nvoice=Chinese\nside-key-1=Off\nside-key-2=Off\n"
    "vox=Off\nvox-gain=5\nvox-delay=0.3s\nbeep=On\nbattery-saver=On\nmodel=(0xFF)\nband=(0xFF)\n";
const char* const kDefaultOptionsChinese =
    "超时定时器:\t45s\n"
    "静噪电平:\t5\n"
    "语音报号:\t中文\n"
    "声控延迟时间:\t0.3s\n"
    "声控增益电平:\t5\n"
    "电池省电:\t开\n"
    "哔音:\t开\n"
    "\n"
    "timeout=45s\nsquelch=5\npriority=关\nvoice=中文\nside-key-1=关闭\nside-key-2=关闭\n"
    "vox=关\nvox-gain=5\nvox-delay=0.3s\nbeep=开\nbattery-saver=开\nmodel=(0xFF)\nband=(0xFF)\n";

void SetChannel(RadioImage& image, int n, std::vector<std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) image[static_cast<std::size_t>(0x10 * n) + i] = bytes[i];
}

// Channels and options set by hand from the image layout.
RadioImage ChannelImage() {
  RadioImage image = BuiltInDefaults();
  // 446.00625 both ways, CTCSS 88.5 / D023N, carrier lock, wide, high, scan.
  SetChannel(image, 1, {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x75, 0x03, 0x13, 0x28, 0x08, 0x30});
  // 136.125 / 145.005, no tone / D754I, tone lock, narrow, middle, no scan.
  SetChannel(image, 2, {0x00, 0x25, 0x61, 0x13, 0x00, 0x05, 0x50, 0x14, 0xFF, 0xFF, 0xEC, 0xA9, 0x10, 0x40});
  // Receive only (transmit not set): an empty row that still shows its tone.
  SetChannel(image, 3, {0x00, 0x00, 0x00, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0xE8, 0x03, 0xFF, 0xFF, 0xFF, 0xFF});
  // 470 MHz, tone words with high byte 0x00, lock bits 11, narrow, low.
  SetChannel(image, 16, {0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00, 0x47, 0x12, 0x00, 0x34, 0x00, 0x18, 0x00});
  image[0x17E] = 0x01;  // channel 1 scans
  image[0x17F] = 0x80;  // channel 16 scans
  image[0x12F] = 2;     // any value but 0 and 1 is English
  image[0x130] = 255;   // 255 x 15 s
  image[0x134] = 9;
  image[0x135] = 0x02;  // bit 0 only
  image[0x136] = 0xFF;
  image[0x13A] = 0;
  image[0x13B] = 7;
  return image;
}

const std::string kChannelShowEnglish =
    std::string(kEnglishTitles) +
    " 1\t446.00625\t446.00625\t88.5\tD023N\tWide\tYes\tCarrier\tHigh\n"
    " 2\t136.12500\t145.00500\tNone\tD754I\tNarrow\tNo\tQT/DQT\tMiddle\n"
    " 3\t400.00000\t\t100.0\t\t\t\t\t\n" +
    EmptyRows(4, 15) +
    "16\t470.00000\t470.00000\tNone\tNone\tNarrow\tYes\tQT/DQT\tLow\n"
    "\n"
    "Time Out Time:\t3825s\n"
    "Squelch Level:\t9\n"
    "Voice Annunication:\tEnglish\n"
    "Vox Delay Time:\t3.0s\n"
    "Vox Gain Level:\tOff\n"
    "Battery Saver:\tOff\n"
    "Beep:\tOn\n"
    "\n"
    // The dialog's rules: any nonzero battery saver byte is on, a time-out
    // or VOX gain with no entry shows its byte.
    "timeout=(0xFF)\nsquelch=9\npriority=Off\nvoice=English\nside-key-1=Off\nside-key-2=Off\n"
    "vox=Off\nvox-gain=(0x00)\nvox-delay=(0x07)\nbeep=On\nbattery-saver=On\nmodel=(0xFF)\nband=(0xFF)\n";

const std::string kChannelShowChinese =
    std::string(kChineseTitles) +
    " 1\t446.00625\t446.00625\t88.5\tD023N\t宽\t是\t载波\t高\n"
    " 2\t136.12500\t145.00500\t无\tD754I\t窄\t否\tQT/DQT\t中\n"
    " 3\t400.00000\t\t100.0\t\t\t\t\t\n" +
    EmptyRows(4, 15) +
    "16\t470.00000\t470.00000\t无\t无\t窄\t是\tQT/DQT\t低\n"
    "\n"
    "超时定时器:\t3825s\n"
    "静噪电平:\t9\n"
    "语音报号:\t英文\n"
    "声控延迟时间:\t3.0s\n"
    "声控增益电平:\t关\n"
    "电池省电:\t关\n"
    "哔音:\t开\n"
    "\n"
    "timeout=(0xFF)\nsquelch=9\npriority=关\nvoice=英文\nside-key-1=关闭\nside-key-2=关闭\n"
    "vox=关\nvox-gain=(0x00)\nvox-delay=(0x07)\nbeep=开\nbattery-saver=开\nmodel=(0xFF)\nband=(0xFF)\n";

// ------------------------------------------------------------------ show

struct ShowCase {
  const char* name;
  RadioImage image;
  std::vector<std::string> options;
  std::string expected;
};
void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class ShowOutput : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowOutput, ExactBytes) {
  const ShowCase& c = GetParam();
  TempDir dir;
  dir.Write("doc.dat", DataFileBytes(c.image));
  std::vector<std::string> args{"show", dir.file("doc.dat")};
  args.insert(args.end(), c.options.begin(), c.options.end());
  const ProgramRun run = RunProgram(Cli(), args);
  EXPECT_EQ(run.status, kExitOk);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShowOutput,
    ::testing::Values(ShowCase{"new_document_english",
                               BuiltInDefaults(),
                               {},
                               kEnglishTitles + EmptyRows(1, 16) + "\n" + kDefaultOptionsEnglish},
                      ShowCase{"new_document_english_asked",
                               BuiltInDefaults(),
                               {"--lang", "English"},
                               kEnglishTitles + EmptyRows(1, 16) + "\n" + kDefaultOptionsEnglish},
                      ShowCase{"new_document_chinese",
                               BuiltInDefaults(),
                               {"--lang=Chinese"},
                               kChineseTitles + EmptyRows(1, 16) + "\n" + kDefaultOptionsChinese},
                      ShowCase{"channels_english", ChannelImage(), {}, kChannelShowEnglish},
                      ShowCase{"channels_chinese", ChannelImage(), {"--lang", "Chinese"}, kChannelShowChinese}),
    [](const ::testing::TestParamInfo<ShowCase>& info) { return std::string(info.param.name); });

// -------------------------------------------------------- failures, help

struct FailureCase {
  const char* name;
  std::vector<std::string> args;  // "@" stands for the test's folder
  int status;
  std::string err;          // the whole of stderr, "@" as above; empty: only a usage hint is checked
  bool planted = false;     // needs the links another user planted in "@/shared", which only root can make
  bool windowless = false;  // print as a build without the window answers it
};
void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

std::string WithFolder(std::string s, const std::string& folder) {
  for (auto at = s.find('@'); at != std::string::npos; at = s.find('@', at + folder.size())) s.replace(at, 1, folder);
  return s;
}

class CliFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailure, OneLineOnStderrAndStatus) {
  const FailureCase& c = GetParam();
#ifdef PROGRAM_WINDOW_BUILT
  if (c.windowless) GTEST_SKIP() << "this build has print";
#else
  if (c.args.front() == "print" && !c.windowless)
    GTEST_SKIP() << "print draws with the window's library, not in this build";
#endif
  TempDir dir;
  std::string valid = DataFileBytes(RadioImage());
  dir.Write("valid.dat", valid);
  valid[3] = 0x34;
  dir.Write("wrong.dat", valid);
  dir.Write("short.dat", DataFileBytes(RadioImage()).substr(0, 1039));
  dir.Write("long.dat", DataFileBytes(RadioImage()) + '\n');
  dir.Write("empty.dat", "");
  dir.Write("list.csv", "CH,Rx Frequency,Tx Frequency\r\n1,446.00625,446.00625\r\n");
  fs::create_directory(dir.file("folder.dat"));
  fs::create_symlink("valid.dat", dir.file("link.dat"));
  ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
  if (c.planted && ::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  if (c.planted) {
    ASSERT_EQ(::mkdir(dir.file("shared").c_str(), 01777), 0);
    ASSERT_EQ(::chmod(dir.file("shared").c_str(), 01777), 0);
    for (const auto& [name, text] : {std::pair{"gone.csv", "../made.csv"}, {"dir", ".."}}) {
      ASSERT_EQ(::symlink(text, dir.file(std::string("shared/") + name).c_str()), 0);
      ASSERT_EQ(::lchown(dir.file(std::string("shared/") + name).c_str(), 65534, 65534), 0);
    }
  }
  // Each entry by name, kind and a fingerprint of its contents.
  const auto entries = [&dir] {
    std::vector<std::string> list;
    for (const auto& e : fs::directory_iterator(dir.path())) {
      const std::string name = e.path().filename();
      const std::string bytes = e.is_regular_file() ? dir.Read(name) : "";
      list.push_back(name + " " + std::to_string(static_cast<int>(fs::symlink_status(e.path()).type())) + " " +
                     std::to_string(bytes.size()) + " " + std::to_string(std::hash<std::string>()(bytes)));
    }
    std::sort(list.begin(), list.end());
    return list;
  };
  const std::vector<std::string> before = entries();

  std::vector<std::string> args;
  for (const std::string& a : c.args) args.push_back(WithFolder(a, dir.path()));
  const ProgramRun run = RunProgram(Cli(), args);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.out, "") << "nothing on stdout after a failure";
  // A failure changes no file: no input overwritten, no FIFO or folder replaced.
  EXPECT_EQ(entries(), before);
  if (!c.err.empty()) {
    EXPECT_EQ(run.err, WithFolder(c.err, dir.path()));
  } else {
    EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
  }
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "exactly one line: " << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailure,
    ::testing::Values(
        FailureCase{"unknown_verb",
                    {"frobnicate"},
                    kExitUsage,
                    "programcli: unknown verb 'frobnicate' (try programcli --help)\n"},
        FailureCase{"show_without_file",
                    {"show"},
                    kExitUsage,
                    "programcli show: missing FILE.dat (try programcli show --help)\n"},
        FailureCase{"show_two_files", {"show", "@/valid.dat", "@/valid.dat"}, kExitUsage, ""},
        FailureCase{"show_unknown_option",
                    {"show", "@/valid.dat", "--verbose"},
                    kExitUsage,
                    "programcli show: unknown option '--verbose' (try programcli show --help)\n"},
        FailureCase{"show_lang_without_value", {"show", "@/valid.dat", "--lang"}, kExitUsage, ""},
        FailureCase{"show_lang_other", {"show", "@/valid.dat", "--lang", "German"}, kExitUsage, ""},
        FailureCase{"show_lang_lower_case", {"show", "@/valid.dat", "--lang=chinese"}, kExitUsage, ""},
        FailureCase{"show_help_with_value", {"show", "--help=yes"}, kExitUsage, ""},
        FailureCase{"show_missing_file",
                    {"show", "@/none.dat"},
                    kExitFileError,
                    "programcli show: cannot open '@/none.dat': No such file or directory\n"},
        FailureCase{"show_folder",
                    {"show", "@/folder.dat"},
                    kExitFileError,
                    "programcli show: cannot open '@/folder.dat': Is a directory\n"},
        FailureCase{"show_wrong_signature",
                    {"show", "@/wrong.dat"},
                    kExitDataFormat,
                    "programcli show: @/wrong.dat: Data Format Error\n"},
        FailureCase{"show_short_file",
                    {"show", "@/short.dat"},
                    kExitShortFile,
                    "programcli show: @/short.dat: the file is shorter than 1040 bytes\n"},
        FailureCase{"show_empty_file",
                    {"show", "@/empty.dat"},
                    kExitShortFile,
                    "programcli show: @/empty.dat: the file is shorter than 1040 bytes\n"},
        FailureCase{"show_long_file",
                    {"show", "@/long.dat"},
                    kExitShortFile,
                    "programcli show: @/long.dat: the file is longer than 1040 bytes\n"},
        FailureCase{"set_long_file",
                    {"set", "@/long.dat", "beep=off"},
                    kExitShortFile,
                    "programcli set: @/long.dat: the file is longer than 1040 bytes\n"},
        FailureCase{"export_csv_through_a_planted_dangling_link",
                    {"export-csv", "@/valid.dat", "-o", "@/shared/gone.csv"},
                    kExitFileError,
                    "programcli export-csv: cannot write '@/shared/gone.csv': it is a link owned by another user "
                    "in a shared folder\n",
                    true},
        FailureCase{"new_through_a_planted_folder_link",
                    {"new", "-o", "@/shared/dir/x.dat"},
                    kExitFileError,
                    "programcli new: cannot write '@/shared/dir/x.dat': a folder of its path is a link owned by "
                    "another user in a shared folder\n",
                    true},
        FailureCase{"new_without_output",
                    {"new"},
                    kExitUsage,
                    "programcli new: missing -o FILE.dat (try programcli new --help)\n"},
        FailureCase{"new_output_without_value", {"new", "-o"}, kExitUsage, ""},
        FailureCase{"new_output_empty",
                    {"new", "-o", ""},
                    kExitUsage,
                    "programcli new: option '-o' needs a value (try programcli new --help)\n"},
        FailureCase{"export_csv_output_empty",
                    {"export-csv", "@/valid.dat", "--output="},
                    kExitUsage,
                    "programcli export-csv: option '--output' needs a value (try programcli export-csv --help)\n"},
        FailureCase{"new_extra_argument", {"new", "-o", "@/x.dat", "@/y.dat"}, kExitUsage, ""},
        FailureCase{"new_into_missing_folder",
                    {"new", "-o", "@/no/x.dat"},
                    kExitFileError,
                    "programcli new: cannot write '@/no/x.dat': No such file or directory\n"},
        FailureCase{"new_onto_a_fifo",
                    {"new", "-o", "@/fifo"},
                    kExitFileError,
                    "programcli new: cannot write '@/fifo': not a regular file\n"},
        FailureCase{"new_onto_a_folder",
                    {"new", "-o", "@/folder.dat"},
                    kExitFileError,
                    "programcli new: cannot write '@/folder.dat': not a regular file\n"},
        FailureCase{"print_over_its_input",
                    {"print", "@/valid.dat", "-o", "@/valid.dat"},
                    kExitFileError,
                    "programcli print: cannot write '@/valid.dat': it is the same file as '@/valid.dat'; "
                    "nothing was written\n"},
        FailureCase{"print_over_a_link_to_its_input",
                    {"print", "@/valid.dat", "-o", "@/link.dat"},
                    kExitFileError,
                    "programcli print: cannot write '@/link.dat': it is the same file as '@/valid.dat'; "
                    "nothing was written\n"},
        FailureCase{"print_in_a_build_without_it",
                    {"print", "@/valid.dat", "-o", "@/r.pdf"},
                    kExitUsage,
                    "programcli print: print is not in this build of programcli: drawing the report needs the "
                    "window's library; nothing was written\n",
                    false,
                    true},
        FailureCase{"print_in_a_build_without_it_chinese",
                    {"print", "@/valid.dat", "--bogus", "--lang=Chinese"},
                    kExitUsage,
                    "programcli print: 此版本的 programcli 不含 print：绘制报表需要窗口程序的库，没有写入任何内容\n",
                    false,
                    true},
        FailureCase{"export_csv_over_its_input",
                    {"export-csv", "@/valid.dat", "-o", "@/valid.dat"},
                    kExitFileError,
                    "programcli export-csv: cannot write '@/valid.dat': it is the same file as '@/valid.dat'; "
                    "nothing was written\n"},
        FailureCase{
            "import_csv_chinese_bad_input",
            {"import-csv", "@/wrong.dat", "@/list.csv", "-o", "@/x.dat", "--band", "400-470", "--lang", "Chinese"},
            kExitDataFormat,
            "programcli import-csv: @/wrong.dat：数据格式不正确\n"},
        FailureCase{
            "import_csv_chinese_output_refused",
            {"import-csv", "@/valid.dat", "@/list.csv", "-o", "@/fifo", "--band", "400-470", "--lang", "Chinese"},
            kExitFileError,
            "programcli import-csv: 无法保存文件 @/fifo：不是普通文件\n"},
        FailureCase{"import_csv_over_its_list",
                    {"import-csv", "@/valid.dat", "@/list.csv", "-o", "@/list.csv", "--band", "400-470"},
                    kExitFileError,
                    "programcli import-csv: cannot write '@/list.csv': it is the same file as '@/list.csv'; "
                    "nothing was written\n"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ProgramCli, NoVerbPrintsHelpToStderr) {
  const ProgramRun run = RunProgram(Cli(), {});
  EXPECT_EQ(run.status, kExitUsage);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("usage: programcli VERB"), std::string::npos) << run.err;
}

TEST(ProgramCli, HelpOfToolAndVerbs) {
  const struct {
    std::vector<std::string> args;
    const char* usage;
  } cases[] = {
      {{"--help"}, "usage: programcli VERB"},
      {{"new", "--help"}, "usage: programcli new -o FILE.dat"},
      {{"new", "-h"}, "usage: programcli new -o FILE.dat"},
      {{"show", "--help"}, "usage: programcli show FILE.dat [--lang English|Chinese]"},
      {{"show", "x.dat", "--help"}, "usage: programcli show FILE.dat [--lang English|Chinese]"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram(Cli(), c.args);
    EXPECT_EQ(run.status, kExitOk) << c.usage;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind(c.usage, 0), 0u) << run.out;
    EXPECT_NE(run.out.find(ExitStatusHelp()), std::string::npos) << run.out;
  }
}

TEST(ProgramCli, FailedOutputIsAnError) {
  TempDir dir;
  dir.Write("doc.dat", DataFileBytes(BuiltInDefaults()));
  const struct {
    std::vector<std::string> args;
    const char* who;
  } cases[] = {{{"show", dir.file("doc.dat")}, "programcli show"},
               {{"--help"}, "programcli"},
               {{"--version"}, "programcli"},
               {{"import-csv", "--help"}, "programcli import-csv"},
               {{"write", "-h"}, "programcli write"}};
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram(Cli(), c.args, "/dev/full");
    EXPECT_EQ(run.status, kExitFileError) << c.who;
    EXPECT_EQ(run.err, std::string(c.who) + ": cannot write the output: No space left on device\n");
  }
}

// ------------------------------------------------------------------- new

// A copy of programcli in a folder of its own, so that what lies beside it
// is up to the test.
class NewVerb : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(m_dir.file("bin"));
    fs::copy_file(Cli(), m_dir.file("bin/programcli"));
  }
  std::string Program() const { return m_dir.file("bin/programcli"); }
  TempDir m_dir;
};

TEST_F(NewVerb, BuiltInDefaultsWithoutDefaultDat) {
  const ProgramRun run = RunProgram(Program(), {"new", "-o", m_dir.file("new.dat")});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(m_dir.Read("new.dat"), DataFileBytes(BuiltInDefaults()));

  // And show reads it back as the new document's table.
  const ProgramRun show = RunProgram(Program(), {"show", m_dir.file("new.dat")});
  EXPECT_EQ(show.status, kExitOk);
  EXPECT_EQ(show.out, kEnglishTitles + EmptyRows(1, 16) + "\n" + kDefaultOptionsEnglish);
}

TEST_F(NewVerb, DefaultDatBesideTheRealProgram) {
  std::string defaults = "XXXX" + std::string(12, 'x');  // signature and header not checked
  for (int i = 0; i < 1024; ++i) defaults.push_back(static_cast<char>(i * 13));
  m_dir.Write("bin/Default.dat", defaults);
  // Also when started through a link in another folder.
  fs::create_directory(m_dir.file("elsewhere"));
  fs::create_symlink(Program(), m_dir.file("elsewhere/programcli"));
  m_dir.Write("elsewhere/Default.dat", DataFileBytes(RadioImage()));

  for (const std::string& program : {Program(), m_dir.file("elsewhere/programcli")}) {
    const ProgramRun run = RunProgram(program, {"new", "--output", m_dir.file("new.dat")});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(m_dir.Read("new.dat"), "S333" + std::string(12, '\0') + defaults.substr(16)) << program;
  }
}

TEST_F(NewVerb, ReplacesAnExistingFile) {
  m_dir.Write("new.dat", std::string(3000, 'z'));
  const ProgramRun run = RunProgram(Program(), {"new", "-o", m_dir.file("new.dat")});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(m_dir.Read("new.dat"), DataFileBytes(BuiltInDefaults()));
}

}  // namespace

// A band text from Program.ini is shown whole in either language, however
// long it is: a cut message would name a band the file does not hold.
TEST(ProgramCliTexts, LongBandTextIsShownWhole) {
  const std::string band(600, '4');
  for (Language language : {Language::English, Language::Chinese}) {
    const std::string text = BadBandInProfileText("QR-160", band, "END", language);
    EXPECT_NE(text.find(band), std::string::npos);
    EXPECT_NE(text.find("END"), std::string::npos);
  }
}
