#include "core/os/ProcessSignals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdlib>

namespace {

// Read by every port thread of a fleet run; a lock-free atomic is both
// signal-safe and free of a data race.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// The signals that ask the program to stop: the terminal's Ctrl+C, a kill or
// a shutdown, a terminal that went away.
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kStopSignalCount = sizeof kStopSignals / sizeof kStopSignals[0];
struct sigaction g_previous[kStopSignalCount] {};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

// The channel's writing end, for the handler.
volatile sig_atomic_t g_channelFd = -1;

extern "C" void SendStopSignalToChannel(int signal) {
  const int savedErrno = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  // A full socket already holds a byte that will end the program.
  [[maybe_unused]] const ssize_t written = ::write(g_channelFd, &number, 1);
  errno = savedErrno;
}

void SetAction(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

void SetUpProcessSignals() { SetAction(SIGXFSZ, SIG_IGN); }

CInterruptCatcher::CInterruptCatcher() {
  g_interrupted = false;
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  for (std::size_t i = 0; i < kStopSignalCount; ++i) ::sigaction(kStopSignals[i], &sa, &g_previous[i]);
}

CInterruptCatcher::~CInterruptCatcher() {
  for (std::size_t i = 0; i < kStopSignalCount; ++i) ::sigaction(kStopSignals[i], &g_previous[i], nullptr);
}

bool CInterruptCatcher::Interrupted() { return g_interrupted; }

CStopSignalChannel::CStopSignalChannel() {
  // Not inherited: a program started from here has signals of its own.
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_fds) != 0) {
    m_fds[0] = m_fds[1] = -1;
    return;
  }
  g_channelFd = m_fds[1];
  for (const int signal : kStopSignals) SetAction(signal, SendStopSignalToChannel);
}

CStopSignalChannel::~CStopSignalChannel() {
  if (m_fds[0] < 0) return;
  for (const int signal : kStopSignals) SetAction(signal, SIG_DFL);
  g_channelFd = -1;
  for (const int fd : m_fds) ::close(fd);
}

int CStopSignalChannel::TakeSignal() {
  unsigned char number = 0;
  return m_fds[0] >= 0 && ::read(m_fds[0], &number, 1) == 1 ? number : 0;
}

void CStopSignalChannel::EndBy(int signal) {
  SetAction(signal, SIG_DFL);
  ::raise(signal);
  std::_Exit(128 + signal);
}
