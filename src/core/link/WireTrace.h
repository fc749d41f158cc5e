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
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/files/SafeFileWrite.h"
#include "core/lang/Language.h"
#include "core/link/SerialPort.h"

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

// The trace in a file, saved like every file the program writes (see
// SafeFileWrite.h) and private to its owner: it holds a radio's memory. What
// a transfer does when it cannot be had is the transfer session's rule (see
// TransferSession.h).
class CWireTraceFile {
 public:
  enum class Folder {
    MustExist,        // a path the user named is taken as it stands
    MadeWhenMissing,  // the program's own cache folder
  };
  explicit CWireTraceFile(std::string path, Folder folder = Folder::MustExist);
  CWireTraceFile(const CWireTraceFile&) = delete;
  CWireTraceFile& operator=(const CWireTraceFile&) = delete;

  const std::string& Path() const { return m_strPath; }
  // Checks the target and creates the trace's temporary file; 0 or the error
  // (kNotRegularFile for a FIFO or a device, which would block or swallow it).
  // Asked again, the first answer.
  int Open();
  // The "# title" line of a transfer that is about to open its port, and the
  // tap to hand to its link.
  WireTap Begin(const std::string& title);
  // Flushes the formatter and puts the trace in its place; 0 or the first
  // error of any write. Dropped without Close, the trace leaves nothing.
  int Close();

 private:
  std::string m_strPath;
  Folder m_folder;
  bool m_bOpenAsked = false;
  int m_nOpenError = 0;
  CSafeFile m_file;
  CWireTraceFormatter m_formatter;
};

// "Serial trace 'PATH' cannot be written: REASON. Nothing was sent."
std::string TraceNotCreatedText(const std::string& path, int err, Language language);
// "Serial trace 'PATH' was not saved: REASON."
std::string TraceNotSavedText(const std::string& path, int err, Language language);
