#include "core/os/ProcessSignals.h"

#include <atomic>
#include <cstdlib>

#include "core/os/windows/WinText.h"

namespace {

std::atomic<bool> g_interrupted{false};

// Ctrl+C, Ctrl+Break and the console's close all ask for a stop. After a
// close the system ends the process once the handler returns, so the
// handler waits there (the system allows about five seconds) for the
// transfer to stop between blocks and give the port back.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  g_interrupted = true;
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) ::Sleep(4000);
  return TRUE;
}

}  // namespace

// No file-size signal exists here: a write past a limit fails as any write.
void SetUpProcessSignals() {}

CInterruptCatcher::CInterruptCatcher() {
  g_interrupted = false;
  ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

CInterruptCatcher::~CInterruptCatcher() { ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE); }

bool CInterruptCatcher::Interrupted() { return g_interrupted; }

// Only the window uses the channel, and the window is not built for Windows:
// it stays unmade (ReadFd() -1), as the interface allows.
CStopSignalChannel::CStopSignalChannel() = default;
CStopSignalChannel::~CStopSignalChannel() = default;
int CStopSignalChannel::TakeSignal() { return 0; }
void CStopSignalChannel::EndBy(int signal) { std::_Exit(128 + signal); }
