#pragma once
// The simulated radio on a pseudo-terminal: the PC side opens the device
// path like any serial port. Runs on the caller's thread (Run) or its own
// (Start/Stop); every other call may come from any thread.
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "RadioSide.h"
#include "core/radio/RadioImage.h"

enum class SaveWhen {
  EachWrite,  // after every transfer that wrote blocks, and on exit
  OnExit,
};

struct SimOptions {
  int baud = 9600;  // wire pacing in both directions; 0 = as fast as possible
  SimFaults faults;
  std::string linkPath;  // a symbolic link to the device, kept up to date
  std::string saveFile;  // empty: memory is never saved
  SaveWhen saveWhen = SaveWhen::EachWrite;
  // Trace() keeps the newest bytes only, so a long run holds a bounded
  // amount (a whole Read is under 2000 bytes).
  std::size_t traceLimit = 65536;
};

struct TraceEntry {
  std::int64_t micros;  // since the simulator started
  bool fromPc;
  std::uint8_t byte;
};

struct SimStats {
  int sessions = 0;
  int blocksRead = 0;
  int blocksWritten = 0;
  int writeSessionsEnded = 0;
  int saves = 0;
  int hangups = 0;  // lines dropped by the hang-up fault
};

class CRadioSim {
 public:
  CRadioSim(const RadioImage& memory, const SimOptions& options);
  ~CRadioSim();
  CRadioSim(const CRadioSim&) = delete;
  CRadioSim& operator=(const CRadioSim&) = delete;

  // Creates the pseudo-terminal and the link. False with `error` set.
  bool Open(std::string& error);
  std::string DevicePath() const;

  // Serves until RequestStop; saves on the way out when asked to.
  void Run();
  void Start();  // Run on a thread of its own
  void Stop();   // RequestStop and wait for the thread
  // Safe in a signal handler.
  void RequestStop();

  RadioImage Memory() const;
  void SetMemory(const RadioImage& memory);
  void SetFaults(const SimFaults& faults);
  void SetReadHeader(std::optional<std::array<std::uint8_t, 4>> header);
  std::vector<TraceEntry> Trace() const;
  SimStats Stats() const;
  // Waits until `done` holds for the stats or the time is up.
  bool WaitFor(const std::function<bool(const SimStats&)>& done, int timeoutMs) const;
  // Told about every new device path (after a hang-up) and every save failure.
  void SetNotice(std::function<void(const std::string&)> notice);
  // Bytes on the wire are also given to this, as they go (for --trace).
  void SetTraceSink(std::function<void(const TraceEntry&)> sink);

 private:
  using Clock = std::chrono::steady_clock;
  struct Pending {
    std::uint8_t byte;
    Clock::time_point due;
  };

  bool OpenLine(std::string& error);
  void CloseLine();
  void DropLine();
  void OnPcGone();
  void ProcessDue(Clock::time_point now);
  void Schedule(const RadioReply& reply, Clock::time_point from);
  void Record(bool fromPc, const std::uint8_t* bytes, std::size_t n, Clock::time_point at);
  void SaveIfDue(bool exiting);
  void Notice(const std::string& text);
  Clock::duration ByteTime() const;

  SimOptions m_options;
  CRadioSide m_side;
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  int m_master = -1;
  int m_wake[2] = {-1, -1};
  std::string m_strDevice;
  std::atomic<bool> m_bStop{false};
  std::thread m_thread;
  Clock::time_point m_start = Clock::now();
  std::vector<Pending> m_in;
  std::vector<Pending> m_out;
  Clock::time_point m_lastInEnd{};
  Clock::time_point m_lastOutEnd{};
  std::deque<TraceEntry> m_trace;
  int m_nSavedAt = 0;  // writeSessionsEnded at the last save
  SimStats m_stats;
  std::function<void(const std::string&)> m_notice;
  std::function<void(const TraceEntry&)> m_traceSink;
};
