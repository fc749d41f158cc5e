// Verify after write against the simulated radio: a good radio matches; one
// that drops a block, or breaks off the read-back, fails with the address.
#include <gtest/gtest.h>

#include "core/link/SimHarness.h"
#include "core/link/VerifyWrite.h"

namespace {

struct VerifyCase {
  const char* name;
  const char* fault;  // as radiosim's --fault takes it; "" for none
  bool serviceMode;
  VerifyOutcome outcome;
  std::uint16_t address;
  int differingBytes;
  const char* messagePart;
};

void PrintTo(const VerifyCase& c, std::ostream* os) { *os << c.name; }

class VerifyWriteCase : public ::testing::TestWithParam<VerifyCase> {};

TEST_P(VerifyWriteCase, ReadsBackWhatWasWritten) {
  const VerifyCase& c = GetParam();
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (*c.fault) ASSERT_TRUE(ApplyFault(c.fault, options.faults, error)) << error;
  // Every byte of the two images differs, so a dropped block shows whole.
  CSimHarness h(PatternImage(1), options);
  RadioImage image = PatternImage(2);
  MainTransferRequest write;
  write.device = h.device();
  write.direction = Direction::Write;
  write.serviceMode = c.serviceMode;
  write.settings = FastLinkSettings();
  int lastDone = 0;
  write.onProgress = [&](const TransferProgress& p) { lastDone = p.done; };
  ASSERT_TRUE(RunMainTransfer(write, image).ok());
  const int writeSessions = h.sim().Stats().sessions;

  const VerifyResult v = VerifyWrite(write, image);
  EXPECT_EQ(v.outcome, c.outcome);
  EXPECT_EQ(v.ok(), c.outcome == VerifyOutcome::Matched);
  EXPECT_EQ(h.sim().Stats().sessions, writeSessions + 1) << "the read-back has a handshake of its own";
  if (c.outcome == VerifyOutcome::Matched) {
    EXPECT_TRUE(v.message.empty()) << v.message;
    EXPECT_EQ(lastDone, c.serviceMode ? 64 : 60) << "the read-back reports its progress as the write did";
    return;
  }
  EXPECT_EQ(v.address, c.address);
  EXPECT_EQ(v.differingBytes, c.differingBytes);
  EXPECT_NE(v.message.find(c.messagePart), std::string::npos) << v.message;
  if (c.outcome == VerifyOutcome::Differs) {
    EXPECT_EQ(v.radioByte, PatternImage(1)[c.address]);
    EXPECT_EQ(v.writtenByte, image[c.address]);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, VerifyWriteCase,
                         ::testing::Values(VerifyCase{"good_radio", "", false, VerifyOutcome::Matched, 0, 0, ""},
                                           VerifyCase{"good_radio_service", "", true, VerifyOutcome::Matched, 0, 0, ""},
                                           VerifyCase{"dropped_block", "drop-block:5", false, VerifyOutcome::Differs,
                                                      0x040, 16, "Verify failed: at 0x040"},
                                           // Block 49 of a normal write is the first past the parameter area.
                                           VerifyCase{"dropped_block_past_the_gap", "drop-block:49", false,
                                                      VerifyOutcome::Differs, 0x320, 16, "at 0x320"},
                                           VerifyCase{"dropped_last_service_block", "drop-block:64", true,
                                                      VerifyOutcome::Differs, 0x3F0, 11, "(11 bytes differ)"},
                                           // A read fault: the write passes, the read-back breaks off at block 3.
                                           VerifyCase{"read_back_broken", "short-block:3", false,
                                                      VerifyOutcome::ReadBackFailed, 0x020, 0,
                                                      "the read-back stopped at 0x020 (Communication Error)"}),
                         [](const ::testing::TestParamInfo<VerifyCase>& i) { return std::string(i.param.name); });

TEST(VerifyWrite, AReadBackThatCannotOpenThePortFailsInChinese) {
  TempDir dir;
  MainTransferRequest write;
  write.device = dir.file("none");
  write.language = Language::Chinese;
  const VerifyResult v = VerifyWrite(write, PatternImage(1));
  EXPECT_EQ(v.outcome, VerifyOutcome::ReadBackFailed);
  EXPECT_EQ(v.readBack.outcome, TransferOutcome::PortNotOpened);
  EXPECT_EQ(v.message.rfind("校验失败", 0), 0u) << v.message;
}

}  // namespace
