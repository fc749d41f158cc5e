// Every way a radio can fail a transfer: the outcome, the message, the image
// left as it was, and the port free again at once.
#include <gtest/gtest.h>

#include <sys/ioctl.h>

#include <cerrno>

#include "core/link/PortProbe.h"
#include "core/link/SerialPort.h"
#include "core/link/SimHarness.h"
#include "core/link/TransferDriver.h"
#include "support/LineAsFound.h"

namespace {

struct FaultCase {
  const char* name;
  const char* fault;  // as radiosim's --fault takes it
  Direction direction;
  LinkStatus status;
  int blocksDone;  // progress calls before the failure
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class TransferFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(TransferFault, EndsInCommunicationErrorWithThePortFree) {
  const FaultCase& c = GetParam();
  SimOptions options = CSimHarness::Fast();
  std::string error;
  ASSERT_TRUE(ApplyFault(c.fault, options.faults, error)) << error;
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, options);
  const CLineAsFound line(h.device());

  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  int progressCalls = 0;
  MainTransferRequest request;
  request.device = h.device();
  request.direction = c.direction;
  request.settings = FastLinkSettings();
  request.onProgress = [&](const TransferProgress&) { ++progressCalls; };
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.status, c.status) << LinkStatusName(r.status);
  EXPECT_EQ(r.outcome, TransferOutcome::CommunicationError);
  EXPECT_EQ(r.message, "Communication Error");
  EXPECT_EQ(progressCalls, c.blocksDone);
  EXPECT_EQ(r.blocksDone, c.blocksDone);
  EXPECT_EQ(r.direction, c.direction);
  // A failed Read changes nothing; a Write never changes the image.
  EXPECT_EQ(image, before);

  if (options.faults.hangupAt != 0)
    ASSERT_TRUE(h.sim().WaitFor([](const SimStats& s) { return s.hangups == 1; }, 2000));
  CSerialPort port;
  EXPECT_EQ(port.OpenExclusive(h.device()), 0) << "the port must be closed after a failure";
  port.Close();

  // And the same radio, behaving again, serves the next transfer.
  h.sim().SetFaults(SimFaults{});
  request.direction = Direction::Read;
  RadioImage next;
  const TransferResult again = RunMainTransfer(request, next);
  ASSERT_TRUE(again.ok()) << LinkStatusName(again.status);
  // Given back after the failure and the success alike, unless it hung up.
  if (options.faults.hangupAt == 0) EXPECT_TRUE(line.Unchanged()) << "the line settings were not given back";
  const RadioImage memory = h.sim().Memory();
  for (std::size_t a = 0; a < 0x3FB; ++a) ASSERT_EQ(next[a], memory[a]) << std::hex << a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferFault,
    ::testing::Values(
        FaultCase{"silent_read", "silent", Direction::Read, LinkStatus::NoHandshakeReply, 0},
        FaultCase{"silent_write", "silent", Direction::Write, LinkStatus::NoHandshakeReply, 0},
        FaultCase{"short_ident", "short-ident", Direction::Read, LinkStatus::IdentTooShort, 0},
        FaultCase{"no_confirm", "no-confirm", Direction::Write, LinkStatus::ConfirmNotAcked, 0},
        FaultCase{"short_block_first", "short-block:1", Direction::Read, LinkStatus::ShortBlock, 0},
        FaultCase{"short_block_last", "short-block:64", Direction::Read, LinkStatus::ShortBlock, 63},
        FaultCase{"refused_read_block", "refuse-block:5", Direction::Read, LinkStatus::BlockNotAcked, 4},
        FaultCase{"refused_last_read_block", "refuse-block:64", Direction::Read, LinkStatus::BlockNotAcked, 63},
        FaultCase{"refused_write_block", "refuse-block:49", Direction::Write, LinkStatus::BlockNotAcked, 48},
        FaultCase{"hangup_in_read", "hangup:10", Direction::Read, LinkStatus::ShortBlock, 9},
        FaultCase{"hangup_in_write", "hangup:3", Direction::Write, LinkStatus::BlockNotAcked, 2}),
    [](const ::testing::TestParamInfo<FaultCase>& i) { return std::string(i.param.name); });

TEST(TransferFault, RefusedWriteBlockIsNotStoredButTheOnesBeforeAre) {
  SimOptions options = CSimHarness::Fast();
  options.faults.refuseBlockAt = 3;
  const RadioImage radio = PatternImage(1);
  CSimHarness h(radio, options);
  RadioImage image = PatternImage(2);
  MainTransferRequest request;
  request.device = h.device();
  request.direction = Direction::Write;
  request.settings = FastLinkSettings();
  EXPECT_EQ(RunMainTransfer(request, image).status, LinkStatus::BlockNotAcked);
  const RadioImage after = h.sim().Memory();
  for (std::size_t a = 0; a < after.size(); ++a) EXPECT_EQ(after[a], a < 0x20 ? image[a] : radio[a]) << std::hex << a;
}

TEST(TransferPortFailure, MissingDeviceSendsNothingAndSaysWhy) {
  TempDir dir;
  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  for (Language language : {Language::English, Language::Chinese}) {
    MainTransferRequest request;
    request.device = dir.file("no-such-device");
    request.language = language;
    const TransferResult r = RunMainTransfer(request, image);
    EXPECT_EQ(r.outcome, TransferOutcome::PortNotOpened);
    EXPECT_EQ(r.status, LinkStatus::PortOpenFailed);
    EXPECT_EQ(r.sysError, ENOENT);
    EXPECT_EQ(r.message, std::string(PortOpenFailedMessage(language)) + "\n" + request.device +
                             kDeviceFieldSeparator(language) + kPortMissingText(language));
  }
  EXPECT_EQ(image, before);

  ServiceTransferRequest service;
  service.device = dir.file("no-such-device");
  const TransferResult s = RunServiceTransfer(service, image);
  EXPECT_EQ(s.outcome, TransferOutcome::PortNotOpened);
  EXPECT_EQ(s.message, "Open the serial port fails\n" + service.device + ": missing: no such device");
}

TEST(TransferPortFailure, PortHeldByAnotherProgramReachesNoRadio) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  CSerialPort holder;
  ASSERT_EQ(holder.OpenExclusive(h.device()), 0);
  RadioImage image;
  MainTransferRequest request;
  request.device = h.device();
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.outcome, TransferOutcome::PortNotOpened);
  EXPECT_EQ(r.sysError, EBUSY);
  EXPECT_TRUE(h.FromPc().empty());
}

// Root may open a tty that another program holds with TIOCEXCL: the port
// refuses it as busy all the same, sends nothing into that program's line and
// leaves its flag and its settings as they were.
TEST(TransferPortFailure, AnExclusiveHolderKeepsItsLineAndItsFlag) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const CLineAsFound holder(h.device());
  ASSERT_EQ(::ioctl(holder.fd(), TIOCEXCL), 0);
  RadioImage image;
  MainTransferRequest request;
  request.device = h.device();
  request.settings = FastLinkSettings();
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.outcome, TransferOutcome::PortNotOpened);
  EXPECT_NE(r.message.find(kPortBusyText(Language::English)), std::string::npos) << r.message;
  EXPECT_TRUE(h.FromPc().empty());
  int held = 0;
  EXPECT_EQ(::ioctl(holder.fd(), TIOCGEXCL, &held), 0);
  EXPECT_EQ(held, 1) << "another program's exclusive flag was cleared";
  EXPECT_TRUE(holder.Unchanged());
}

TEST(TransferCancel, BetweenBlocksStopsAfterTheCurrentBlockAndKeepsTheImage) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  const CLineAsFound line(h.device());
  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  int done = 0;
  MainTransferRequest request;
  request.device = h.device();
  request.onProgress = [&](const TransferProgress& p) { done = p.done; };
  request.isCancelled = [&] { return done >= 10; };
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.outcome, TransferOutcome::Cancelled);
  EXPECT_TRUE(r.message.empty());
  EXPECT_EQ(done, 10);
  EXPECT_EQ(image, before);
  EXPECT_EQ(h.sim().Stats().blocksRead, 10);
  EXPECT_TRUE(line.Unchanged());
  CSerialPort port;
  EXPECT_EQ(port.OpenExclusive(h.device()), 0);
}

TEST(TransferCancel, AfterTheLastBlockStillCancels) {
  CSimHarness h(PatternImage(1), CSimHarness::Fast());
  RadioImage image = PatternImage(2);
  const RadioImage before = image;
  int done = 0;
  MainTransferRequest request;
  request.device = h.device();
  request.onProgress = [&](const TransferProgress& p) { done = p.done; };
  request.isCancelled = [&] { return done == 64; };
  EXPECT_EQ(RunMainTransfer(request, image).outcome, TransferOutcome::Cancelled);
  EXPECT_EQ(image, before);
}

TEST(TransferCancel, BetweenHandshakeAttemptsSoASilentRadioNeedNotBeWaitedOut) {
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  CSimHarness h(PatternImage(1), options);
  RadioImage image;
  MainTransferRequest request;
  request.device = h.device();  // the real main settings
  request.isCancelled = [] { return true; };
  const TransferResult r = RunMainTransfer(request, image);
  EXPECT_EQ(r.outcome, TransferOutcome::Cancelled);
  EXPECT_TRUE(r.message.empty());
  EXPECT_EQ(h.FromPc().size(), 8u) << "one attempt only";
}

}  // namespace

namespace {

struct ServiceFaultCase {
  Direction direction;
  ServiceArea area;
  const char* fault;
  Language language;
  const char* message;
};

TEST(ServiceTransferFault, ImageUntouchedAndTheDialogsMessage) {
  const ServiceFaultCase cases[] = {
      {Direction::Read, ServiceArea::PowerTable, "short-block:2", Language::English, "Communication Error"},
      {Direction::Read, ServiceArea::ParamArea, "refuse-block:2", Language::Chinese, "通信出错"},
      {Direction::Write, ServiceArea::ParamArea, "refuse-block:1", Language::Chinese, "通讯出错"},
      {Direction::Write, ServiceArea::PowerTable, "no-confirm", Language::English, "Communication Error"},
  };
  for (const ServiceFaultCase& c : cases) {
    SimOptions options = CSimHarness::Fast();
    std::string error;
    ASSERT_TRUE(ApplyFault(c.fault, options.faults, error)) << error;
    CSimHarness h(PatternImage(1), options);
    RadioImage image = PatternImage(2);
    const RadioImage before = image;
    ServiceTransferRequest request;
    request.device = h.device();
    request.direction = c.direction;
    request.area = c.area;
    request.language = c.language;
    const TransferResult r =
        RunServiceTransfer(request, FastLinkSettings(ServiceLinkSettings(c.direction == Direction::Write)), image);
    EXPECT_EQ(r.outcome, TransferOutcome::CommunicationError) << c.fault;
    EXPECT_EQ(r.message, c.message) << c.fault;
    EXPECT_EQ(image, before) << c.fault;
    CSerialPort port;
    EXPECT_EQ(port.OpenExclusive(h.device()), 0) << c.fault;
  }
}

}  // namespace
