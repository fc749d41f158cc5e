#pragma once
// What the program does with the signals the world sends it. Every signal call
// of the window and of programcli is behind this interface, so that another
// system needs an implementation of it beside posix/ and no other change.

// Once, first thing in main, in every program that writes files: a file-size
// limit (ulimit -f) then makes a write fail with EFBIG, "File too large",
// which the save and the serial trace report like any failed write, instead
// of ending the process without a word, a radio half written and edits lost.
void SetUpProcessSignals();

// For as long as one lives, Ctrl+C (SIGINT), SIGTERM and SIGHUP set a flag
// instead of ending the process: a transfer stops between blocks and says
// what the radio holds, and the port is closed and its line settings given
// back.
class CInterruptCatcher {
 public:
  CInterruptCatcher();
  ~CInterruptCatcher();
  CInterruptCatcher(const CInterruptCatcher&) = delete;
  CInterruptCatcher& operator=(const CInterruptCatcher&) = delete;
  static bool Interrupted();
};

// For a program with an event loop that must save what it holds before it
// ends (the window's unsaved documents): while one lives, SIGTERM, SIGHUP
// and SIGINT become a byte on ReadFd(), which the loop watches. Only one may
// live at a time.
class CStopSignalChannel {
 public:
  CStopSignalChannel();
  // The signals' default actions come back.
  ~CStopSignalChannel();
  CStopSignalChannel(const CStopSignalChannel&) = delete;
  CStopSignalChannel& operator=(const CStopSignalChannel&) = delete;

  // -1 when the channel could not be made (the signals then keep their
  // default actions).
  int ReadFd() const { return m_fds[0]; }
  // The signal that arrived, or 0 when none is waiting.
  int TakeSignal();
  // Ends the process by `signal`, as whoever sent it expects.
  [[noreturn]] static void EndBy(int signal);

 private:
  int m_fds[2] = {-1, -1};
};
