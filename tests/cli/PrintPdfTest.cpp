// programcli print: the PDF read back as text with pdftotext -layout, which
// keeps each printed line on one text line and the columns in order.
#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "cli/ExitStatus.h"
#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Cli() { return BuiltProgram("programcli"); }

std::string Tool(const std::string& name) {
  for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"})
    if (fs::exists(dir + name)) return dir + name;
  return name;
}

// Channels 1-9 in use, each with its own frequencies; options with values
// that only the fallbacks of their texts produce.
RadioImage NineChannels() {
  RadioImage image = BuiltInDefaults();
  for (int n = 1; n <= 9; ++n) {
    const std::uint8_t rec[] = {0x25, 0x06, static_cast<std::uint8_t>(0x60 + n),
                                0x44,  // 446.n0625
                                0x25, 0x06, static_cast<std::uint8_t>(0x60 + n),
                                0x45,  // 456.n0625
                                0x75, 0x03, 0x13,
                                0x28, 0x08, 0x30};  // 88.5, D023N, wide
    for (std::size_t i = 0; i < sizeof rec; ++i) image[static_cast<std::size_t>(0x10 * n) + i] = rec[i];
  }
  image[0x17E] = 0xFF;
  image[0x12F] = 2;
  image[0x130] = 255;
  image[0x13B] = 7;
  return image;
}

// The text of each page of a PDF.
std::vector<std::string> PdfPages(const std::string& pdf) {
  const ProgramRun run = RunProgram(Tool("pdftotext"), {"-layout", pdf, "-"});
  EXPECT_EQ(run.status, 0) << "pdftotext (poppler-utils) failed: " << run.err;
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t ff = run.out.find('\f'); ff != std::string::npos; ff = run.out.find('\f', from)) {
    pages.push_back(run.out.substr(from, ff - from));
    from = ff + 1;
  }
  return pages;
}

// `label` and `value` on one line of `page`, the value to the right.
void ExpectRow(const std::string& page, const std::string& label, const std::string& value) {
  const std::size_t at = page.find(label);
  ASSERT_NE(at, std::string::npos) << "no \"" << label << "\" in\n" << page;
  const std::size_t lineStart = page.rfind('\n', at) + 1;  // npos + 1 is 0
  const std::string line = page.substr(lineStart, page.find('\n', at) - lineStart);
  const std::size_t labelCol = at - lineStart;
  const std::size_t valueCol = line.find(value, labelCol + label.size());
  EXPECT_NE(valueCol, std::string::npos) << "\"" << value << "\" not right of \"" << label << "\" in: " << line;
  EXPECT_EQ(line.find_first_not_of(' ', labelCol + label.size()), valueCol) << line;
}

void ExpectText(const std::string& page, const std::string& text) {
  EXPECT_NE(page.find(text), std::string::npos) << "no \"" << text << "\" in\n" << page;
}

using Rows = std::vector<std::pair<std::string, std::string>>;

struct PdfCase {
  const char* name;
  const char* lang;
  std::vector<std::string> page1Texts;
  Rows page1Rows;
  std::vector<std::string> page2Texts;
  Rows page2Rows;
  std::string page3Heading;
  std::string owner;
};
void PrintTo(const PdfCase& c, std::ostream* os) { *os << c.name; }

class PrintPdf : public ::testing::TestWithParam<PdfCase> {};

// A copy of programcli and its print program beside a Program.ini of the
// test's own: the owner text comes from the language's section there.
TEST_P(PrintPdf, PagesLabelsAndValues) {
  const PdfCase& c = GetParam();
  TempDir dir;
  fs::create_directory(dir.file("bin"));
  fs::copy_file(Cli(), dir.file("bin/programcli"));
  fs::copy_file(BuiltProgram("programcli-print"), dir.file("bin/programcli-print"));
  dir.Write("bin/Program.ini", "[English]\nCopyrights Owner=Harbour Patrol\n[Chinese]\nCopyrights Owner=港口巡逻队\n");
  dir.Write("radio.dat", DataFileBytes(NineChannels()));
  const ProgramRun run = RunProgram(dir.file("bin/programcli"),
                                    {"print", dir.file("radio.dat"), "-o", dir.file("r.pdf"), "--lang", c.lang});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out + run.err, "");

  const std::vector<std::string> pages = PdfPages(dir.file("r.pdf"));
  ASSERT_EQ(pages.size(), 3u);
  for (const std::string& text : c.page1Texts) ExpectText(pages[0], text);
  for (const auto& [label, value] : c.page1Rows) ExpectRow(pages[0], label, value);
  for (const std::string& text : c.page2Texts) ExpectText(pages[1], text);
  for (const auto& [label, value] : c.page2Rows) ExpectRow(pages[1], label, value);
  for (int p = 1; p <= 3; ++p)
    ExpectRow(pages[static_cast<std::size_t>(p - 1)], c.owner, "Page " + std::to_string(p) + " of 3");
  ExpectText(pages[2], c.page3Heading);
  EXPECT_EQ(pages[2].find("446.80625"), std::string::npos) << "channel 8 belongs to page 2";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintPdf,
    ::testing::Values(
        PdfCase{"english",
                "English",
                {"Option", "Function"},
                {{"Time Out Time:", "3825s"}, {"Voice Annunication:", "English"}, {"Vox Delay Time:", "3.0s"}},
                {"Channel", "Channel 1:", "Channel 8:"},
                {{"Receive Frequency:", "446.10625"},
                 {"Transceive Frequency:", "456.10625"},
                 {"QT/DQT Decode:", "88.5"},
                 {"QT/DQT Encode:", "D023N"},
                 {"W/N:", "Wide"},
                 {"Scan:", "Yes"}},
                "Channel 9:",
                "Harbour Patrol"},
        PdfCase{"chinese",
                "Chinese",
                {"可选功能", "功能"},
                {{"超时定时器:", "3825s"}, {"语音报号:", "英文"}, {"声控延迟时间:", "3.0s"}},
                {"信道", "信道1:", "信道8:"},
                {{"接收频率:", "446.10625"},
                 {"发射频率:", "456.10625"},
                 {"QT/DQT解码:", "88.5"},
                 {"QT/DQT编码:", "D023N"},
                 {"宽/窄:", "宽"},
                 {"扫描:", "是"}},
                "信道9:",
                "港口巡逻队"}),
    [](const ::testing::TestParamInfo<PdfCase>& info) { return std::string(info.param.name); });

TEST(PrintPdfFailure, StatusMessageAndNoFile) {
  TempDir dir;
  dir.Write("good.dat", DataFileBytes(BuiltInDefaults()));
  dir.Write("wrong.dat", "X" + DataFileBytes(BuiltInDefaults()).substr(1));
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"print", dir.file("good.dat")}, kExitUsage, "missing -o REPORT.pdf"},
      {{"print", dir.file("wrong.dat"), "-o", dir.file("r.pdf")}, kExitDataFormat, "Data Format Error"},
      {{"print", dir.file("good.dat"), "-o", dir.file("no/r.pdf")},
       kExitFileError,
       "cannot write '" + dir.file("no/r.pdf") + "': No such file or directory"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = RunProgram(Cli(), c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir.file("r.pdf")));
  }
}

}  // namespace
