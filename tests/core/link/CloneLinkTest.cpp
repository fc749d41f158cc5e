// Whole transfers against the simulated radio over a pseudo-terminal,
// checking every byte on the wire.
#include <gtest/gtest.h>

#include "core/link/SimHarness.h"
#include "core/link/TransferDriver.h"
#include "core/link/WireExpectations.h"
#include "support/ScriptedPort.h"

namespace {

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

  for (std::size_t a = 0; a < image.size(); ++a) EXPECT_EQ(image[a], a < 0x3FB ? radio[a] : before[a]) << std::hex << a;
  ExpectProgressTo(run.progress, 64);
}

TEST(CloneLinkWire, HandshakeBytesGoOneByOne) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  RadioImage image;
  CWireRecorder wire;
  ASSERT_TRUE(RunMain(h, Direction::Read, false, image, &wire).result.ok());
  const std::vector<WireRecord> records = wire.Records();
  // Main settings: one purge, then the eight bytes, each written alone.
  ASSERT_GE(records.size(), 9u);
  EXPECT_EQ(records[0].event, WireEvent::Purged);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(records[1 + i].event, WireEvent::Sent);
    EXPECT_EQ(records[1 + i].byte, CloneWire::kHandshake[i]);
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
  for (std::size_t a = 0; a < after.size(); ++a) EXPECT_EQ(after[a], a < 0x3FB ? image[a] : radio[a]) << std::hex << a;
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

INSTANTIATE_TEST_SUITE_P(Cases, CloneLinkTolerates,
                         ::testing::Values(TolerableCase{"noise_before_the_ack", Noise(8), std::nullopt},
                                           TolerableCase{"nine_byte_identification", LongIdent(), std::nullopt},
                                           // The header is never looked at, acknowledgement bytes included.
                                           TolerableCase{"header_of_acks", SimFaults{},
                                                         std::array<std::uint8_t, 4>{6, 6, 6, 6}},
                                           TolerableCase{"header_of_anything", SimFaults{},
                                                         std::array<std::uint8_t, 4>{0, 0xFF, 0x15, 0x52}}),
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
  for (int i = 0; i < 4; ++i)
    four.insert(four.end(), std::begin(CloneWire::kHandshake), std::end(CloneWire::kHandshake));
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

TEST(ServiceTransfer, WriteSendsTheParameterArea) {
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, CSimHarness::Fast());
  RadioImage image = PatternImage(5);
  ServiceTransferRequest request;
  request.device = h.device();
  request.direction = Direction::Write;
  request.area = ServiceArea::ParamArea;
  const TransferResult r = RunServiceTransfer(request, image);
  ASSERT_TRUE(r.ok()) << LinkStatusName(r.status);
  EXPECT_EQ(r.message, "Write Successfully");

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
  request.language = Language::Chinese;
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

// The waits below are on the line's own clock, which a scripted line keeps:
// exact, and no test waits them out.

TEST(Transfers, SilentRadioWithTheMainSettingsGivesUpAfterFourAttemptsOfAboutOnePointTwoSeconds) {
  CScriptedPort silent({});
  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  MainTransferRequest request;
  request.port = &silent;
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.status, LinkStatus::NoHandshakeReply);
  EXPECT_EQ(r.message, "Communication Error");
  EXPECT_EQ(silent.Writes().size(), 32u);
  // Each attempt: 2 ms before each of the eight bytes, then one-byte reads of
  // 300 + 100 ms until the 1000 ms reply wait has passed: three of them.
  EXPECT_EQ(silent.NowMs(), 4 * (8 * 2 + 3 * 400));
  EXPECT_EQ(image, before);
}

TEST(CloneLinkHandshake, PausesBeforeEachByteAndBeforeTheReply) {
  const struct {
    const char* name;
    LinkSettings settings;
    int pauseBeforeReply;
  } cases[] = {{"main", MainLinkSettings(), 0}, {"service write", ServiceLinkSettings(true), 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<ScriptedReply> script(7);
    script.push_back({{CloneWire::kAck}});
    CScriptedPort port(script);
    std::vector<std::pair<WireEvent, std::int64_t>> at;
    port.SetTap([&](WireEvent event, const std::uint8_t*, std::size_t) { at.emplace_back(event, port.NowMs()); });
    CCloneLink link(port);
    ASSERT_EQ(link.Open("scripted", c.settings), LinkStatus::Ok);
    (void)link.Handshake();  // the script ends before the identification: only the start counts

    ASSERT_GE(at.size(), 10u);
    EXPECT_EQ(at[0], std::make_pair(WireEvent::Purged, std::int64_t{0}));
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(at[i], std::make_pair(WireEvent::Sent, std::int64_t{2 * i})) << i;
    EXPECT_EQ(at[9], std::make_pair(WireEvent::Received, std::int64_t{16 + c.pauseBeforeReply}));
  }
}

}  // namespace
