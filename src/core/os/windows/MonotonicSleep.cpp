#include "core/os/MonotonicSleep.h"

#include <chrono>

#include "core/os/windows/WinText.h"

// clock_nanosleep with an absolute deadline returns at once under mingw, so
// the wait is Sleep() against the steady clock until the deadline is past.
void SleepMonotonicMs(int ms) {
  if (ms <= 0) return;
  using Clock = std::chrono::steady_clock;
  const auto until = Clock::now() + std::chrono::milliseconds(ms);
  for (auto now = Clock::now(); now < until; now = Clock::now()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count();
    ::Sleep(static_cast<DWORD>(left > 0 ? left : 1));
  }
}
