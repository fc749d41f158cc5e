// tools/sample-radio.sh: the memory ./run.sh gives a fresh simulated radio,
// made by programcli from res/sample-channels.csv.
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "core/radio/ChannelTable.h"
#include "support/TempDir.h"

namespace {

ProgramRun SampleRadio(const std::string& out) {
  return RunProgram(std::string(PROGRAM_SOURCE_DIR) + "/tools/sample-radio.sh", {BuiltProgram(""), out});
}

TEST(SampleRadio, AFreshRadioHoldsAVariedPlanPrivateToItsOwner) {
  TempDir dir;
  const ProgramRun run = SampleRadio(dir.file("radio.dat"));
  ASSERT_EQ(run.status, 0) << run.err;
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("radio.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  RadioImage image;
  ASSERT_TRUE(LoadDataFile(dir.file("radio.dat"), image).ok());
  std::set<std::string> tones, bandwidths, scans, powers;
  double lowest = 1e9, highest = 0;
  int used = 0;
  for (const ChannelRow& row : TableFromImage(image, Language::English)) {
    if (row[kColRxFrequency].empty()) continue;
    ++used;
    const double rx = std::stod(row[kColRxFrequency]);
    lowest = std::min(lowest, rx);
    highest = std::max(highest, rx);
    for (int c : {kColDecodeTone, kColEncodeTone})
      tones.insert(row[c][0] == 'D' ? "DCS" : row[c] == "None" ? "" : "CTCSS");
    bandwidths.insert(row[kColBandwidth]);
    scans.insert(row[kColScan]);
    powers.insert(row[kColPower]);
  }
  EXPECT_GE(used, 5);
  EXPECT_GE(highest - lowest, (174 - 136) / 2.0) << "the channels do not spread across the band";
  EXPECT_EQ(tones, (std::set<std::string>{"", "CTCSS", "DCS"}));
  EXPECT_EQ(bandwidths, (std::set<std::string>{"Wide", "Narrow"}));
  EXPECT_EQ(scans, (std::set<std::string>{"Yes", "No"}));
  EXPECT_EQ(powers, (std::set<std::string>{"High", "Middle", "Low"}));
}

// The memory of earlier runs stays, whatever it is.
TEST(SampleRadio, AnExistingMemoryIsKept) {
  TempDir dir;
  dir.Write("radio.dat", "what the radio held");
  ASSERT_EQ(::symlink("nowhere.dat", dir.file("link.dat").c_str()), 0);
  for (const char* name : {"radio.dat", "link.dat"}) {
    const ProgramRun run = SampleRadio(dir.file(name));
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
  }
  EXPECT_EQ(dir.Read("radio.dat"), "what the radio held");
  struct stat st {};
  EXPECT_NE(::lstat(dir.file("nowhere.dat").c_str(), &st), 0) << "the link was followed";
}

}  // namespace
