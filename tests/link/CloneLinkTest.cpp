// Whole transfers against the simulated radio over a pseudo-terminal,
// checking every byte on the wire.
#include <gtest/gtest.h>

#include <chrono>

#include "link/SimHarness.h"
#include "link/TransferDriver.h"
#include "link/WireExpectations.h"

namespace {

using Clock = std::chrono::steady_clock;

struct MainRun {
  TransferResult result;
  std::vector<TransferProgress> progress;
};

MainRun RunMain(CSimHarness& h, Direction direction, bool serviceMode, RadioImage& image,
            CWireRecorder* recorder = nullptr, const LinkSettings& settings = MainLinkSettings()) {
  MainRun run;
  MainTransferRequest request;
  request.device = h.device();
  request.direction = direction;
  request.serviceMode = serviceMode;
  request.settings = settings;
  request.onProgress = [&](const TransferProgress& p) { run.progress.push_back(p); };
  if (recorder) request.tap = recorder->Tap();
  run.result = RunMainTransfer(request, image);
  return run;
}

void ExpectProgressTo(const std::vector<TransferProgress>& progress, int total) {
  ASSERT_EQ(progress.size(), static_cast<std::size_t>(total));
  for (int i = 0; i < total; ++i) {
    EXPECT_EQ(progress[i].done, i + 1);
    EXPECT_EQ(progress[i].total, total);
    EXPECT_EQ(progress[i].percentText, PercentText(i + 1, total));
    if (i + 1 < total) EXPECT_NE(progress[i].percentText, "100%");
  }
  EXPECT_EQ(progress.back().percentText, "100%");
}

bool InRange(std::size_t a, std::size_t start, std::size_t end) { return a >= start && a < end; }

TEST(CloneLinkWire, ReadMovesSixtyFourBlocksAndLeavesTheFileOnlyBytes) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  const RadioImage before = PatternImage(3);
  RadioImage image = before;
  CWireRecorder wire;
  const MainRun run = RunMain(h, Direction::Read, false, image, &wire);
  ASSERT_TRUE(run.result.ok()) << LinkStatusName(run.result.status);
  EXPECT_TRUE(run.result.message.empty());

  const Ranges ranges = MainTransferRanges(Direction::Read, false);
  EXPECT_EQ(h.FromPc(), ExpectedFromPc(Direction::Read, ranges, image));
  EXPECT_EQ(h.FromRadio(), ExpectedFromRadio(Direction::Read, ranges, radio));
  const std::vector<Command> commands = BlockCommands(h.FromPc());
  ASSERT_EQ(commands.size(), 64u);
  EXPECT_EQ(commands.front(), (Command{0x52, 0x00, 0x00, 0x10}));
  EXPECT_EQ(commands.back(), (Command{0x52, 0x03, 0xF0, 0x0B}));

  for (std::size_t a = 0; a < image.size(); ++a)
    EXPECT_EQ(image[a], a < 0x3FB ? radio[a] : before[a]) << std::hex << a;
  ExpectProgressTo(run.progress, 64);
}

TEST(CloneLinkWire, HandshakeBytesGoOneByOneAtLeastTwoMillisecondsApart) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  RadioImage image;
  CWireRecorder wire;
  ASSERT_TRUE(RunMain(h, Direction::Read, false, image, &wire).result.ok());
  const std::vector<WireRecord> records = wire.Records();
  // Main settings: one purge, then the eight bytes, each after its own sleep.
  ASSERT_GE(records.size(), 9u);
  EXPECT_EQ(records[0].event, WireEvent::Purged);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(records[1 + i].event, WireEvent::Sent);
    EXPECT_EQ(records[1 + i].byte, CloneWire::kHandshake[i]);
    const auto gap = records[1 + i].at - records[i].at;
    EXPECT_GE(gap, std::chrono::milliseconds(2)) << "before handshake byte " << i;
  }
  EXPECT_EQ(records[9].event, WireEvent::Received);
  EXPECT_EQ(records[9].byte, 0x06);
}

TEST(CloneLinkWire, NormalWriteSendsSixtyBlocksAndNeverTheServiceAreas) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  RadioImage image = PatternImage(2);
  const RadioImage sent = image;
  const MainRun run = RunMain(h, Direction::Write, false, image);
  ASSERT_TRUE(run.result.ok()) << LinkStatusName(run.result.status);
  EXPECT_EQ(image, sent);

  const Ranges ranges = MainTransferRanges(Direction::Write, false);
  EXPECT_EQ(h.FromPc(), ExpectedFromPc(Direction::Write, ranges, image));
  EXPECT_EQ(h.FromRadio(), ExpectedFromRadio(Direction::Write, ranges, radio));
  const std::vector<Command> commands = BlockCommands(h.FromPc());
  ASSERT_EQ(commands.size(), 60u);
  EXPECT_EQ(commands[0], (Command{0x57, 0x00, 0x00, 0x10}));
  EXPECT_EQ(commands[48], (Command{0x57, 0x03, 0x20, 0x10}));
  EXPECT_EQ(commands[59], (Command{0x57, 0x03, 0xD0, 0x10}));

  const RadioImage after = h.sim().Memory();
  for (std::size_t a = 0; a < after.size(); ++a) {
    const bool kept = InRange(a, 0x300, 0x320) || a >= 0x3E0;
    EXPECT_EQ(after[a], kept ? radio[a] : sent[a]) << std::hex << a;
  }
  ExpectProgressTo(run.progress, 60);
}

TEST(CloneLinkWire, ServiceModeWriteSendsSixtyFourBlocks) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  RadioImage image = PatternImage(2);
  const MainRun run = RunMain(h, Direction::Write, true, image);
  ASSERT_TRUE(run.result.ok());
  const Ranges ranges = MainTransferRanges(Direction::Write, true);
  EXPECT_EQ(h.FromPc(), ExpectedFromPc(Direction::Write, ranges, image));
  const std::vector<Command> commands = BlockCommands(h.FromPc());
  ASSERT_EQ(commands.size(), 64u);
  EXPECT_EQ(commands.back(), (Command{0x57, 0x03, 0xF0, 0x0B}));
  const RadioImage after = h.sim().Memory();
  for (std::size_t a = 0; a < after.size(); ++a)
    EXPECT_EQ(after[a], a < 0x3FB ? image[a] : radio[a]) << std::hex << a;
  ExpectProgressTo(run.progress, 64);
}

struct TolerableCase {
  const char* name;
  SimFaults faults;
  std::optional<std::array<std::uint8_t, 4>> header;
};

void PrintTo(const TolerableCase& c, std::ostream* os) { *os << c.name; }

class CloneLinkTolerates : public ::testing::TestWithParam<TolerableCase> {};

TEST_P(CloneLinkTolerates, ReadStillSucceeds) {
  const TolerableCase& c = GetParam();
  const RadioImage radio = PatternImage(4);
  SimOptions options = CSimHarness::Fast();
  options.faults = c.faults;
  CSimHarness h(radio, options);
  h.sim().SetReadHeader(c.header);
  RadioImage image;
  const MainRun run = RunMain(h, Direction::Read, false, image);
  ASSERT_TRUE(run.result.ok()) << LinkStatusName(run.result.status);
  for (std::size_t a = 0; a < 0x3FB; ++a) ASSERT_EQ(image[a], radio[a]) << std::hex << a;
}

SimFaults Noise(int n) {
  SimFaults f;
  f.noiseBytes = n;
  return f;
}
SimFaults LongIdent() {
  SimFaults f;
  f.identLength = 9;
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloneLinkTolerates,
    ::testing::Values(TolerableCase{"noise_before_the_ack", Noise(8), std::nullopt},
                      TolerableCase{"nine_byte_identification", LongIdent(), std::nullopt},
                      // The header is never looked at, acknowledgement bytes included.
                      TolerableCase{"header_of_acks", SimFaults{}, std::array<std::uint8_t, 4>{6, 6, 6, 6}},
                      TolerableCase{"header_of_anything", SimFaults{}, std::array<std::uint8_t, 4>{0, 0xFF, 0x15, 0x52}}),
    [](const ::testing::TestParamInfo<TolerableCase>& i) { return std::string(i.param.name); });

TEST(CloneLinkHandshake, MainSettingsPurgeBeforeEachOfFourAttempts) {
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  CSimHarness h(PatternImage(1), options);
  RadioImage image;
  CWireRecorder wire;
  const MainRun run = RunMain(h, Direction::Read, false, image, &wire, FastLinkSettings());
  EXPECT_EQ(run.result.status, LinkStatus::NoHandshakeReply);
  EXPECT_EQ(wire.Of(WireEvent::Purged).size(), 4u);
  std::vector<std::uint8_t> four;
  for (int i = 0; i < 4; ++i) four.insert(four.end(), std::begin(CloneWire::kHandshake), std::end(CloneWire::kHandshake));
  EXPECT_EQ(h.FromPc(), four);
}

TEST(CloneLinkHandshake, ServiceSettingsPurgeOnceAndReadOneByteEachAttempt) {
  // Four noise bytes before the acknowledgement: the single-read form takes
  // one of them per attempt and never reaches the 0x06; the stopwatch form
  // would have thrown them away.
  SimOptions options = CSimHarness::Fast();
  options.faults.noiseBytes = 4;
  CSimHarness h(PatternImage(1), options);
  RadioImage image;
  CWireRecorder wire;
  ServiceTransferRequest request;
  request.device = h.device();
  request.direction = Direction::Read;
  request.tap = wire.Tap();
  const TransferResult r = RunServiceTransfer(request, FastLinkSettings(ServiceLinkSettings(false)), image);
  EXPECT_EQ(r.status, LinkStatus::NoHandshakeReply);
  EXPECT_EQ(r.message, "Communication Error");
  EXPECT_EQ(wire.Of(WireEvent::Purged).size(), 1u);
  EXPECT_EQ(wire.Records().front().event, WireEvent::Purged);
  EXPECT_EQ(wire.Of(WireEvent::Sent).size(), 32u);
  const std::vector<WireRecord> got = wire.Of(WireEvent::Received);
  ASSERT_EQ(got.size(), 4u);  // one byte read per attempt
  for (const WireRecord& g : got) EXPECT_NE(g.byte, 0x06);
}

TEST(ServiceTransfer, WritePausesTwoMillisecondsAndSendsTheParameterArea) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  RadioImage image = PatternImage(5);
  CWireRecorder wire;
  ServiceTransferRequest request;
  request.device = h.device();
  request.direction = Direction::Write;
  request.area = ServiceArea::ParamArea;
  request.tap = wire.Tap();
  const TransferResult r = RunServiceTransfer(request, image);
  ASSERT_TRUE(r.ok()) << LinkStatusName(r.status);
  EXPECT_EQ(r.message, "Write Successfully");

  const std::vector<WireRecord> records = wire.Records();
  std::size_t lastHandshake = 0;
  for (std::size_t i = 0, sentCount = 0; i < records.size() && sentCount < 8; ++i)
    if (records[i].event == WireEvent::Sent && ++sentCount == 8) lastHandshake = i;
  ASSERT_EQ(records[lastHandshake].byte, 0x4E);
  ASSERT_LT(lastHandshake + 1, records.size());
  ASSERT_EQ(records[lastHandshake + 1].event, WireEvent::Received);
  EXPECT_GE(records[lastHandshake + 1].at - records[lastHandshake].at, std::chrono::milliseconds(2));

  const std::vector<Command> commands = BlockCommands(h.FromPc());
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], (Command{0x57, 0x03, 0x00, 0x10}));
  EXPECT_EQ(commands[1], (Command{0x57, 0x03, 0x10, 0x10}));
  const RadioImage after = h.sim().Memory();
  for (std::size_t a = 0; a < after.size(); ++a)
    EXPECT_EQ(after[a], InRange(a, 0x300, 0x320) ? image[a] : radio[a]) << std::hex << a;
}

TEST(ServiceTransfer, ReadFillsOnlyThePowerTable) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  const RadioImage before = PatternImage(6);
  RadioImage image = before;
  ServiceTransferRequest request;
  request.device = h.device();
  request.direction = Direction::Read;
  request.area = ServiceArea::PowerTable;
  request.chinese = true;
  const TransferResult r = RunServiceTransfer(request, image);
  ASSERT_TRUE(r.ok()) << LinkStatusName(r.status);
  EXPECT_EQ(r.message, "读数据成功");
  const std::vector<Command> commands = BlockCommands(h.FromPc());
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], (Command{0x52, 0x03, 0xE0, 0x10}));
  EXPECT_EQ(commands[1], (Command{0x52, 0x03, 0xF0, 0x0B}));
  for (std::size_t a = 0; a < image.size(); ++a)
    EXPECT_EQ(image[a], InRange(a, 0x3E0, 0x3FB) ? radio[a] : before[a]) << std::hex << a;
}

TEST(Transfers, OneRadioServesOneTransferAfterAnother) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  RadioImage image = PatternImage(2);
  ASSERT_TRUE(RunMain(h, Direction::Write, true, image).result.ok());
  RadioImage back;
  ASSERT_TRUE(RunMain(h, Direction::Read, false, back).result.ok());
  for (std::size_t a = 0; a < 0x3FB; ++a) ASSERT_EQ(back[a], image[a]) << std::hex << a;
  RadioImage again;
  ASSERT_TRUE(RunMain(h, Direction::Read, false, again).result.ok());
  EXPECT_EQ(again, back);
  EXPECT_EQ(h.sim().Stats().sessions, 3);
}

TEST(Transfers, SilentRadioWithTheMainSettingsGivesUpAfterFourAttemptsOfAboutOnePointTwoSeconds) {
  // The one slow test: the real time-outs, about 4 x (16 ms + 3 x 400 ms).
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  CSimHarness h(PatternImage(1), options);
  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  const auto start = Clock::now();
  const MainRun run = RunMain(h, Direction::Read, false, image);
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  EXPECT_EQ(run.result.status, LinkStatus::NoHandshakeReply);
  EXPECT_EQ(run.result.message, "Communication Error");
  EXPECT_EQ(h.FromPc().size(), 32u);
  EXPECT_GE(elapsed, 4 * (16 + 1200));
  EXPECT_LE(elapsed, 6500);
  EXPECT_EQ(image, before);
}

}  // namespace
