#pragma once
// A readable trace of the serial line: one line per burst of bytes, with the
// direction and the time since the port was opened.
//
//   # Write Data /dev/ttyUSB0
//        2.104  send  02 50 52 4F 47 52 41 4E   |.PROGRAN|
//        3.917  recv  06                        |.|
//        4.020  purge
//
// A burst is a run of bytes in one direction with no purge between them and
// no gap longer than the burst gap; a change of direction, a purge or a
// longer pause starts a new line.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "link/SerialPort.h"

class CWireTraceFormatter {
 public:
  using Clock = std::chrono::steady_clock;
  using LineSink = std::function<void(const std::string& line)>;  // without '\n'

  explicit CWireTraceFormatter(LineSink sink, std::chrono::milliseconds burstGap = std::chrono::milliseconds(20));

  // Ends the open burst, writes "# title" and restarts the clock: call it
  // just before the port is opened.
  void BeginSession(const std::string& title, Clock::time_point now = Clock::now());
  // The tap to hand to the link; it stamps each event with the time it came.
  WireTap Tap();
  // Takes one event; the tap calls this with the current time.
  void OnEvent(WireEvent event, const std::uint8_t* data, std::size_t n, Clock::time_point at);
  // Writes the open burst, if any.
  void Flush();

 private:
  void EmitBurst();  // with m_mutex held

  LineSink m_sink;
  std::chrono::milliseconds m_burstGap;
  std::mutex m_mutex;
  Clock::time_point m_start = Clock::now();
  WireEvent m_burstEvent = WireEvent::Sent;
  Clock::time_point m_burstStart{};
  Clock::time_point m_lastByte{};
  std::vector<std::uint8_t> m_burst;
};

// The trace in a file. Open failures are the caller's to report.
class CWireTraceFile {
 public:
  CWireTraceFile();
  ~CWireTraceFile();
  CWireTraceFile(const CWireTraceFile&) = delete;
  CWireTraceFile& operator=(const CWireTraceFile&) = delete;

  // Creates or empties the file; 0 or the errno of the failure.
  int Open(const std::string& path);
  CWireTraceFormatter& Formatter() { return m_formatter; }
  // Flushes the formatter and closes the file; 0 or the errno of a failed write.
  int Close();

 private:
  std::FILE* m_file = nullptr;
  int m_nError = 0;
  CWireTraceFormatter m_formatter;
};
