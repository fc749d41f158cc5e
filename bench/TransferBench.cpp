#include "TransferBench.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "RadioSim.h"
#include "core/files/NewDocumentImage.h"

namespace bench {

namespace {
constexpr int kBaud = 9600;
constexpr int kHandshakeBytes = 8;
constexpr int kHandshakeGapMs = 2;
}  // namespace

// Handshake and its acknowledgement, identification request and reply,
// confirmation and its acknowledgement; then per block the command, the
// data, and the acknowledgements (a read also has a 4-byte header and the
// PC's acknowledgement).
long WireBytes(Direction direction, const Ranges& ranges) {
  long bytes = 8 + 1 + 1 + 8 + 1 + 1;
  for (const AddressRange& r : ranges)
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end)) {
      const long n = static_cast<long>(BlockLength(a, r.end));
      bytes += direction == Direction::Read ? 4 + 4 + n + 1 + 1 : 4 + n + 1;
    }
  return bytes;
}

double WireSeconds(long bytes) {
  return static_cast<double>(bytes) * 10.0 / kBaud + kHandshakeBytes * kHandshakeGapMs / 1000.0;
}

int RunTransferBench(int argc, char** argv, const char* program, const char* title, const TimeOne& timeOne) {
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::min(100, std::atoi(argv[++i])));
    } else {
      std::fprintf(stderr, "usage: %s [--runs N]\n", program);
      return 2;
    }
  }
  char dir[] = "/tmp/bench-transfer.XXXXXX";
  if (!::mkdtemp(dir)) return 1;
  SimOptions options;
  options.baud = kBaud;
  options.linkPath = std::string(dir) + "/radio";
  CRadioSim sim(BuiltInDefaults(), options);
  std::string error;
  if (!sim.Open(error)) {
    std::fprintf(stderr, "radiosim: %s\n", error.c_str());
    return 1;
  }
  sim.Start();

  struct Case {
    const char* name;
    Direction direction;
  };
  const Case cases[] = {{"read", Direction::Read}, {"write", Direction::Write}};
  std::printf("%s\n", title);
  std::printf("transfer  runs  best (s)  median (s)  wire limit (s)  ratio (median)\n");
  bool allOk = true;
  double worst = 0;
  for (const Case& c : cases) {
    const long bytes = WireBytes(c.direction, MainTransferRanges(c.direction, false));
    const double limit = WireSeconds(bytes);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
      bool ok = false;
      times.push_back(timeOne(options.linkPath, c.direction, ok));
      allOk = allOk && ok;
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    worst = std::max(worst, median / limit);
    std::printf("%-8s  %4d  %8.3f  %10.3f  %8.3f (%ld B)  %6.3f\n", c.name, runs, times.front(), median, limit, bytes,
                median / limit);
  }
  sim.Stop();
  ::unlink(options.linkPath.c_str());
  ::rmdir(dir);
  std::printf("target: ratio <= %.2f -> %s\n", kTargetRatio, worst <= kTargetRatio ? "met" : "NOT met");
  return allOk ? 0 : 1;
}

}  // namespace bench
