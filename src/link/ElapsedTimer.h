#pragma once
// Millisecond stopwatch and sleep on the monotonic clock: wall-clock changes
// must not stretch or cut a reply wait.
#include <chrono>
#include <cstdint>

class CElapsedTimer {
 public:
  CElapsedTimer() : m_start(std::chrono::steady_clock::now()) {}
  void Restart() { m_start = std::chrono::steady_clock::now(); }
  std::int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 m_start)
        .count();
  }

 private:
  std::chrono::steady_clock::time_point m_start;
};

// Sleeps at least ms milliseconds; a signal does not shorten it.
void SleepMs(int ms);
