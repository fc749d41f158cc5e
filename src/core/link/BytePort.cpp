#include "core/link/BytePort.h"

#include <time.h>

#include <cerrno>
#include <chrono>

std::int64_t CBytePort::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// On the monotonic clock: wall-clock changes must not stretch or cut a reply
// wait, and a signal does not shorten it.
void CBytePort::SleepMs(int ms) {
  if (ms <= 0) return;
  timespec until{};
  ::clock_gettime(CLOCK_MONOTONIC, &until);
  until.tv_sec += ms / 1000;
  until.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
  if (until.tv_nsec >= 1000000000L) {
    until.tv_sec += 1;
    until.tv_nsec -= 1000000000L;
  }
  // An absolute deadline: after EINTR the same call sleeps only what is left.
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}
