#pragma once
// Millisecond stopwatch on a line's clock, so that a scripted line's waits
// pass on its own clock.
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
