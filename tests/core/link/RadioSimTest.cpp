// The simulated radio's own behaviour: its options, its protocol side fed
// byte by byte, and its saves.
#include <gtest/gtest.h>

#include "SimCommandLine.h"
#include "core/files/DataFile.h"
#include "core/link/SimHarness.h"
#include "core/link/TransferDriver.h"

namespace {

struct FaultCase {
  const char* faultText;
  bool ok;
  SimFaults expected;
};

SimFaults With(void (*set)(SimFaults&)) {
  SimFaults f;
  set(f);
  return f;
}

bool SameFaults(const SimFaults& a, const SimFaults& b) {
  return a.silent == b.silent && a.noiseBytes == b.noiseBytes && a.identLength == b.identLength &&
         a.noConfirm == b.noConfirm && a.shortBlockAt == b.shortBlockAt && a.refuseBlockAt == b.refuseBlockAt &&
         a.hangupAt == b.hangupAt && a.dropBlockAt == b.dropBlockAt;
}

TEST(SimFault, EachFaultAndItsArgument) {
  const FaultCase cases[] = {
      {"silent", true, With([](SimFaults& f) { f.silent = true; })},
      {"noise", true, With([](SimFaults& f) { f.noiseBytes = 3; })},
      {"noise:8", true, With([](SimFaults& f) { f.noiseBytes = 8; })},
      {"short-ident", true, With([](SimFaults& f) { f.identLength = 7; })},
      {"long-ident", true, With([](SimFaults& f) { f.identLength = 9; })},
      {"no-confirm", true, With([](SimFaults& f) { f.noConfirm = true; })},
      {"short-block:1", true, With([](SimFaults& f) { f.shortBlockAt = 1; })},
      {"refuse-block:64", true, With([](SimFaults& f) { f.refuseBlockAt = 64; })},
      {"hangup:7", true, With([](SimFaults& f) { f.hangupAt = 7; })},
      {"drop-block:3", true, With([](SimFaults& f) { f.dropBlockAt = 3; })},
      {"drop-block", false, {}},
      {"noise:0", false, {}},
      {"noise:9", false, {}},
      {"hangup", false, {}},
      {"hangup:0", false, {}},
      {"hangup:65", false, {}},
      {"short-block:x", false, {}},
      {"refuse-block:99999999999", false, {}},
      {"silent:2", false, {}},
      {"loud", false, {}},
      {"", false, {}},
  };
  for (const FaultCase& c : cases) {
    SimFaults f;
    std::string error;
    EXPECT_EQ(ApplyFault(c.faultText, f, error), c.ok) << c.faultText;
    if (c.ok)
      EXPECT_TRUE(SameFaults(f, c.expected)) << c.faultText;
    else
      EXPECT_FALSE(error.empty()) << c.faultText;
  }
}

TEST(SimCommandLine, OptionsAndErrors) {
  SimCommandLine cmd;
  std::string error;
  ASSERT_TRUE(ParseSimCommandLine({"--baud", "0", "--fault", "noise:2", "--fault=hangup:5", "--link", "/tmp/r",
                                   "--save=/tmp/s.dat", "--save-when", "exit", "--memory", "m.dat", "--trace"},
                                  cmd, error))
      << error;
  EXPECT_EQ(cmd.options.baud, 0);
  EXPECT_EQ(cmd.options.faults.noiseBytes, 2);
  EXPECT_EQ(cmd.options.faults.hangupAt, 5);
  EXPECT_EQ(cmd.options.linkPath, "/tmp/r");
  EXPECT_EQ(cmd.options.saveFile, "/tmp/s.dat");
  EXPECT_EQ(cmd.options.saveWhen, SaveWhen::OnExit);
  EXPECT_EQ(cmd.memoryFile, "m.dat");
  EXPECT_TRUE(cmd.trace);

  const std::vector<std::vector<std::string>> bad = {
      {"--baud", "fast"}, {"--baud", "10"}, {"--baud"}, {"--save-when", "never"}, {"--fault", "loud"}, {"--colour"},
  };
  for (const auto& args : bad) {
    SimCommandLine c;
    std::string e;
    EXPECT_FALSE(ParseSimCommandLine(args, c, e)) << args[0];
    EXPECT_FALSE(e.empty());
  }
  SimCommandLine defaults;
  ASSERT_TRUE(ParseSimCommandLine({}, defaults, error));
  EXPECT_EQ(defaults.options.baud, 9600);
  EXPECT_EQ(defaults.options.saveWhen, SaveWhen::EachWrite);
}

// Feeds bytes to the radio's side and collects what it answers.
std::vector<std::uint8_t> Feed(CRadioSide& side, const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> out;
  for (std::uint8_t b : bytes) {
    RadioReply r;
    side.OnByte(b, r);
    out.insert(out.end(), r.bytes.begin(), r.bytes.end());
  }
  return out;
}

std::vector<std::uint8_t> Wake() {
  std::vector<std::uint8_t> v = HandshakeBytes();
  v.push_back(0x02);
  v.push_back(0x06);
  return v;
}

TEST(RadioSide, AnswersAWholeSessionAsARadioWould) {
  CRadioSide side(PatternImage(1));
  std::vector<std::uint8_t> expected = {0x06, 'S', 'I', 'M', 'R', 'A', 'D', 'I', 'O', 0x06};
  EXPECT_EQ(Feed(side, Wake()), expected);
  EXPECT_EQ(Feed(side, {0x52, 0x03, 0xF0, 0x0B}).size(), 4u + 11u);
  EXPECT_EQ(Feed(side, {0x06}), (std::vector<std::uint8_t>{0x06}));
  std::vector<std::uint8_t> write = {0x57, 0x00, 0x10, 0x02, 0xAB, 0xCD};
  EXPECT_EQ(Feed(side, write), (std::vector<std::uint8_t>{0x06}));
  EXPECT_EQ(side.Memory()[0x10], 0xAB);
  EXPECT_EQ(side.Memory()[0x11], 0xCD);
  EXPECT_EQ(side.BlocksRead(), 1);
  EXPECT_EQ(side.BlocksWritten(), 1);
}

TEST(RadioSide, IgnoresWhatIsNoHandshakeAndCommandsBeyondItsMemory) {
  CRadioSide side(PatternImage(1));
  // Half a handshake, then a whole one: only the whole one is answered.
  EXPECT_TRUE(Feed(side, {0x02, 0x50, 0x52, 0x00}).empty());
  EXPECT_EQ(Feed(side, HandshakeBytes()), (std::vector<std::uint8_t>{0x06}));
  Feed(side, {0x02, 0x06});
  EXPECT_TRUE(Feed(side, {0x52, 0x03, 0xFF, 0x02}).empty()) << "0x3FF + 2 is past the end";
  EXPECT_TRUE(Feed(side, {0x52, 0x00, 0x00, 0x11}).empty()) << "more than 16 bytes";
}

TEST(RadioSide, AHandshakeStartsOverInTheMiddleOfASession) {
  CRadioSide side(PatternImage(1));
  Feed(side, Wake());
  EXPECT_EQ(Feed(side, HandshakeBytes()), (std::vector<std::uint8_t>{0x06}));
  EXPECT_EQ(side.Sessions(), 2);
}

TEST(RadioSide, AnEndedWriteSessionIsCountedOnce) {
  CRadioSide side(PatternImage(1));
  Feed(side, Wake());
  Feed(side, {0x57, 0x00, 0x00, 0x01, 0x00});
  EXPECT_EQ(side.WriteSessionsEnded(), 0);
  side.EndSession();
  side.EndSession();
  EXPECT_EQ(side.WriteSessionsEnded(), 1);
  Feed(side, Wake());
  Feed(side, {0x52, 0x00, 0x00, 0x01, 0x06});
  side.EndSession();
  EXPECT_EQ(side.WriteSessionsEnded(), 1) << "a read is no write";
}

TEST(RadioSimSave, AfterEveryWriteOrOnlyOnExit) {
  for (SaveWhen when : {SaveWhen::EachWrite, SaveWhen::OnExit}) {
    TempDir dir;
    SimOptions options = CSimHarness::Fast();
    options.saveFile = dir.file("saved.dat");
    options.saveWhen = when;
    RadioImage image = PatternImage(2);
    {
      CSimHarness h(PatternImage(1), options);
      MainTransferRequest request;
      request.device = h.device();
      request.direction = Direction::Write;
      ASSERT_TRUE(RunMainTransfer(request, image).ok());
      // A save that is due may take a loaded machine a while; one that is
      // not due must not come within a moment either.
      const bool saved =
          h.sim().WaitFor([](const SimStats& s) { return s.saves >= 1; }, when == SaveWhen::EachWrite ? 5000 : 300);
      EXPECT_EQ(saved, when == SaveWhen::EachWrite);
      if (saved) {
        RadioImage file;
        ASSERT_TRUE(LoadDataFile(dir.file("saved.dat"), file).ok());
        EXPECT_EQ(file, h.sim().Memory());
      }
    }
    RadioImage file;
    ASSERT_TRUE(LoadDataFile(dir.file("saved.dat"), file).ok()) << "saved on exit";
    for (std::size_t a = 0; a < 0x300; ++a) ASSERT_EQ(file[a], image[a]);
  }
}

TEST(RadioSimTrace, KeepsOnlyTheNewestBytes) {
  for (std::size_t limit : {std::size_t{0}, std::size_t{10}, std::size_t{65536}}) {
    SimOptions options = CSimHarness::Fast();
    options.traceLimit = limit;
    CSimHarness h(PatternImage(1), options);
    std::vector<TraceEntry> all;  // the sink sees every byte, limit or not
    std::mutex mutex;
    h.sim().SetTraceSink([&](const TraceEntry& e) {
      std::lock_guard<std::mutex> lock(mutex);
      all.push_back(e);
    });
    RadioImage image;
    MainTransferRequest request;
    request.device = h.device();
    ASSERT_TRUE(RunMainTransfer(request, image).ok());
    h.sim().Stop();
    const std::vector<TraceEntry> kept = h.sim().Trace();
    ASSERT_EQ(kept.size(), std::min(limit, all.size())) << limit;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const TraceEntry& e = all[all.size() - kept.size() + i];
      EXPECT_TRUE(kept[i].micros == e.micros && kept[i].fromPc == e.fromPc && kept[i].byte == e.byte) << i;
    }
  }
}

TEST(RadioSimLink, FollowsTheDeviceAndIsRemovedOnExit) {
  TempDir dir;
  SimOptions options = CSimHarness::Fast();
  options.linkPath = dir.file("radio");
  std::string device;
  {
    CRadioSim sim(PatternImage(1), options);
    std::string error;
    ASSERT_TRUE(sim.Open(error)) << error;
    device = sim.DevicePath();
    char target[256] = {};
    ASSERT_GT(::readlink(options.linkPath.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), device);
  }
  struct stat st {};
  EXPECT_NE(::lstat(options.linkPath.c_str(), &st), 0);
}

TEST(RadioSimLink, RefusesToReplaceAFile) {
  TempDir dir;
  dir.Write("radio", "mine");
  SimOptions options = CSimHarness::Fast();
  options.linkPath = dir.file("radio");
  CRadioSim sim(PatternImage(1), options);
  std::string error;
  EXPECT_FALSE(sim.Open(error));
  EXPECT_NE(error.find("not a symbolic link"), std::string::npos) << error;
  EXPECT_EQ(dir.Read("radio"), "mine");
}

}  // namespace
