// The serial trace: bursts, directions and times as lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/link/WireTrace.h"

namespace {

using Clock = CWireTraceFormatter::Clock;
using std::chrono::microseconds;

struct TraceEvent {
  int atMicros;
  WireEvent event;
  std::vector<std::uint8_t> bytes;
};

TEST(WireTrace, OneLinePerBurstWithDirectionAndTimeSinceTheSessionBegan) {
  std::vector<std::string> lines;
  CWireTraceFormatter trace([&](const std::string& line) { lines.push_back(line); }, std::chrono::milliseconds(20));
  const Clock::time_point t0{};
  trace.BeginSession("Read Data /dev/ttyUSB0", t0);
  const TraceEvent events[] = {
      {2000, WireEvent::Sent, {0x02, 0x50}},                                        // one burst in two writes...
      {4500, WireEvent::Sent, {0x52}},        {5000, WireEvent::Received, {0x06}},  // ...ended by the other direction
      {6000, WireEvent::Purged, {}},          {6100, WireEvent::Sent, {0x41}},
      {40000, WireEvent::Sent, {0x7F, 0x20}},  // a pause longer than the gap
  };
  for (const TraceEvent& e : events)
    trace.OnEvent(e.event, e.bytes.data(), e.bytes.size(), t0 + microseconds(e.atMicros));
  trace.Flush();
  trace.BeginSession("Verify", t0 + microseconds(50000));
  const std::uint8_t ack = 0x06;
  trace.OnEvent(WireEvent::Received, &ack, 1, t0 + microseconds(51250));
  trace.Flush();
  const std::vector<std::string> expected = {
      "# Read Data /dev/ttyUSB0",
      "     2.000  send  02 50 52" + std::string(39, ' ') + "  |.PR|",
      "     5.000  recv  06" + std::string(45, ' ') + "  |.|",
      "     6.000  purge",
      "     6.100  send  41" + std::string(45, ' ') + "  |A|",
      "    40.000  send  7F 20" + std::string(42, ' ') + "  |. |",
      "# Verify",
      "     1.250  recv  06" + std::string(45, ' ') + "  |.|",
  };
  EXPECT_EQ(lines, expected);
}

}  // namespace
