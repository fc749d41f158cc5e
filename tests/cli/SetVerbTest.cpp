// programcli set and the named options of programcli show, with a
// Program.ini of the test's own beside a copy of the program.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/ExitStatus.h"
#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/radio/ImageMap.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class SetVerb : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(m_dir.file("bin"));
    fs::copy_file(BuiltProgram("programcli"), m_dir.file("bin/programcli"));
    m_dir.Write("bin/Program.ini",
                "[Setup]\nType1=QR-160\nField1=136-174MHz|146-174MHz\n"
                "Type2=QR-450\nField2=400-470MHz|450-520MHz\n");
    m_image = BuiltInDefaults();
    m_image[ImageMap::kSideKeys] = 0x8B;
    m_image[ImageMap::kProductType] = 0;
    m_image[ImageMap::kProductBand] = 0;
    m_image[ImageMap::kNarrowSquelch] = 0x83;
    m_dir.Write("doc.dat", DataFileBytes(m_image));
  }
  ProgramRun Cli(std::vector<std::string> args) const {
    for (std::string& a : args)
      if (a == "@") a = m_dir.file("doc.dat");
    return RunProgram(m_dir.file("bin/programcli"), args);
  }
  TempDir m_dir;
  RadioImage m_image;
};

TEST_F(SetVerb, SetsExactlyTheNamedOptionsAndShowReadsThemBack) {
  const ProgramRun run = Cli({"set", "@", "timeout=60s", "squelch=3", "vox=on", "side-key-2=remote-alarm", "voice=英文",
                              "model=QR-450", "band=2"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out + run.err, "");
  RadioImage expected = m_image;
  expected[ImageMap::kTimeOutTimer] = 4;
  expected[ImageMap::kSquelchLevel] = 3;
  expected[ImageMap::kVox] = 1;
  expected[ImageMap::kSideKeys] = 0xEB;  // bits 3 and 7 kept
  expected[ImageMap::kVoiceAnnunciation] = 2;
  expected[ImageMap::kProductType] = 1;
  expected[ImageMap::kProductBand] = 1;
  expected[ImageMap::kNarrowSquelch] = 8;  // 136 MHz to 450 MHz
  EXPECT_EQ(m_dir.Read("doc.dat"), DataFileBytes(expected));

  const ProgramRun show = Cli({"show", "@"});
  EXPECT_EQ(show.status, kExitOk);
  const std::string named =
      "\ntimeout=60s\nsquelch=3\npriority=Off\nvoice=English\nside-key-1=Scan Switch\nside-key-2=Remote Alarm\n"
      "vox=On\nvox-gain=5\nvox-delay=0.3s\nbeep=On\nbattery-saver=On\nmodel=QR-450\nband=450-520MHz\n";
  ASSERT_GE(show.out.size(), named.size());
  EXPECT_EQ(show.out.substr(show.out.size() - named.size()), named);
}

TEST_F(SetVerb, RefusesAndLeavesTheFileAsItWas) {
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"set", "@", "squelch=3", "squelch-level=3"},
       kExitUsage,
       "programcli set: 'squelch-level' is no option (one of: timeout, squelch, priority, voice, side-key-1, "
       "side-key-2, vox, vox-gain, vox-delay, beep, battery-saver, model, band) (try programcli set --help)\n"},
      {{"set", "@", "squelch=3", "vox-gain=9"},
       kExitUsage,
       "programcli set: '9' is no value of vox-gain (one of: 1, 2, 3, 4, 5, 6, 7, 8) (try programcli set --help)\n"},
      {{"set", "@", "model=QR-450", "band=136-174MHz"},
       kExitUsage,
       "programcli set: '136-174MHz' is no band of model QR-450 (one of: 400-470MHz, 450-520MHz, or 1-2) "
       "(try programcli set --help)\n"},
      {{"set", "@", "beep=on", "beep=off"},
       kExitUsage,
       "programcli set: beep is given twice (try programcli set --help)\n"},
      {{"set", "@"}, kExitUsage, "programcli set: missing NAME=VALUE (try programcli set --help)\n"},
      {{"set"}, kExitUsage, "programcli set: missing FILE.dat (try programcli set --help)\n"},
      {{"set", "@", "--force"}, kExitUsage, "programcli set: unknown option '--force' (try programcli set --help)\n"},
  };
  const std::string before = m_dir.Read("doc.dat");
  for (const auto& c : cases) {
    const ProgramRun run = Cli(c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(m_dir.Read("doc.dat"), before) << c.err;
  }
}

// A name as long as the file system takes: the save's temporary must fit too.
TEST_F(SetVerb, AFileOfTheLongestNameIsSet) {
  const std::string name = std::string(251, 'n') + ".dat";
  m_dir.Write(name, DataFileBytes(m_image));
  const ProgramRun run = Cli({"set", m_dir.file(name), "squelch=3"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(m_dir.Read(name)[kDataFileHeaderSize + ImageMap::kSquelchLevel], 3);
}

TEST_F(SetVerb, FileFailuresAndHelp) {
  m_dir.Write("wrong.dat", "S334" + DataFileBytes(m_image).substr(4));
  const ProgramRun wrong = Cli({"set", m_dir.file("wrong.dat"), "squelch=1"});
  EXPECT_EQ(wrong.status, kExitDataFormat);
  EXPECT_EQ(m_dir.Read("wrong.dat"), "S334" + DataFileBytes(m_image).substr(4));
  EXPECT_EQ(Cli({"set", m_dir.file("none.dat"), "squelch=1"}).status, kExitFileError);
  EXPECT_FALSE(fs::exists(m_dir.file("none.dat")));

  const ProgramRun help = Cli({"set", "--help"});
  EXPECT_EQ(help.status, kExitOk);
  EXPECT_EQ(help.out.rfind("usage: programcli set FILE.dat NAME=VALUE...\n", 0), 0u) << help.out;
  EXPECT_NE(Cli({"--help"}).out.find("  set        set radio-wide options of a data file by name\n"),
            std::string::npos);
}

}  // namespace
