#include "core/link/BytePort.h"

#include <chrono>

#include "core/os/MonotonicSleep.h"

std::int64_t CBytePort::NowMs() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void CBytePort::SleepMs(int ms) { SleepMonotonicMs(ms); }
