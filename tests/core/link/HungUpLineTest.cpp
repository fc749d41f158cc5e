// A line that drops while the link waits for the radio's handshake reply.
#include <gtest/gtest.h>

#include "core/link/TransferDriver.h"
#include "support/ScriptedPort.h"

namespace {

struct HangUpCase {
  const char* name;
  std::vector<std::uint8_t> lastBytes;  // what came before the line dropped
  bool serviceSettings;
};

void PrintTo(const HangUpCase& c, std::ostream* os) { *os << c.name; }

class HandshakeHangUp : public ::testing::TestWithParam<HangUpCase> {};

TEST_P(HandshakeHangUp, EndsTheWaitAtOnceAsACommunicationError) {
  const HangUpCase& c = GetParam();
  // Seven handshake bytes draw no answer; the eighth ends in a hang-up.
  std::vector<ScriptedReply> script(7);
  script.push_back(ScriptedReply{c.lastBytes, true});
  CScriptedPort port(script, 0, 1000);

  RadioImage image;
  MainTransferRequest request;
  request.port = &port;
  if (c.serviceSettings) request.settings = ServiceLinkSettings(false);
  const TransferResult r = RunMainTransfer(request, image);

  EXPECT_EQ(r.status, LinkStatus::NoHandshakeReply);
  EXPECT_EQ(r.message, "Communication Error");
  EXPECT_FALSE(port.Spun()) << "the reply wait went on reading a dead line";
  EXPECT_EQ(port.Writes().size(), 8u) << "no further attempt on a dead line";
  EXPECT_LT(port.NowMs(), 100) << "waited for a line that had gone";
  EXPECT_FALSE(port.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Cases, HandshakeHangUp,
                         ::testing::Values(HangUpCase{"silent_stopwatch", {}, false},
                                           HangUpCase{"noise_stopwatch", {0x00, 0x15, 0xFF}, false},
                                           HangUpCase{"silent_single_read", {}, true}),
                         [](const ::testing::TestParamInfo<HangUpCase>& i) { return std::string(i.param.name); });

}  // namespace
