#pragma once
// Millisecond stopwatch on a line's clock, and a sleep on the monotonic
// clock: wall-clock changes must not stretch or cut a reply wait.
#include <cstdint>

#include "core/link/BytePort.h"

class CElapsedTimer {
 public:
  explicit CElapsedTimer(const CBytePort& line) : m_line(line), m_nStart(line.NowMs()) {}
  std::int64_t ElapsedMs() const { return m_line.NowMs() - m_nStart; }

 private:
  const CBytePort& m_line;
  std::int64_t m_nStart;
};

// Sleeps at least ms milliseconds; a signal does not shorten it.
void SleepMs(int ms);
