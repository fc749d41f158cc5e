#include "core/files/ProcessSignals.h"

#include <signal.h>

#include <atomic>
#include <cstddef>

namespace {

// Read by every port thread of a fleet run; a lock-free atomic is both
// signal-safe and free of a data race.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// The signals that ask the program to stop: the terminal's Ctrl+C, a kill or
// a shutdown, a terminal that went away.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kStopSignalCount = sizeof kStopSignals / sizeof kStopSignals[0];
struct sigaction g_previous[kStopSignalCount] {};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

}  // namespace

void SetUpProcessSignals() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, nullptr);
}

CInterruptCatcher::CInterruptCatcher() {
  g_interrupted = false;
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  for (std::size_t i = 0; i < kStopSignalCount; ++i) ::sigaction(kStopSignals[i], &sa, &g_previous[i]);
}

CInterruptCatcher::~CInterruptCatcher() {
  for (std::size_t i = 0; i < kStopSignalCount; ++i) ::sigaction(kStopSignals[i], &g_previous[i], nullptr);
}

bool CInterruptCatcher::Interrupted() { return g_interrupted; }
