#include "gui/app/TerminationSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP};
// The socket's writing end, for the handler; one program, one instance.
volatile sig_atomic_t g_writeFd = -1;

void OnSignal(int signal) {
  const int savedErrno = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  // A full socket already holds a byte that will end the program.
  [[maybe_unused]] const ssize_t written = ::write(g_writeFd, &number, 1);
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

CTerminationSignals::CTerminationSignals(std::function<void(int)> onSignal) : m_onSignal(std::move(onSignal)) {
  // Not inherited: a program started from here has signals of its own.
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, m_fds) != 0) return;
  g_writeFd = m_fds[1];
  m_pNotifier = new QSocketNotifier(m_fds[0], QSocketNotifier::Read, this);
  connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { OnReadable(); });
  for (int signal : kSignals) SetAction(signal, OnSignal);
}

CTerminationSignals::~CTerminationSignals() {
  for (int signal : kSignals) SetAction(signal, SIG_DFL);
  g_writeFd = -1;
  delete m_pNotifier;
  for (int fd : m_fds)
    if (fd >= 0) ::close(fd);
}

void CTerminationSignals::OnReadable() {
  unsigned char number = 0;
  if (::read(m_fds[0], &number, 1) != 1) return;
  m_pNotifier->setEnabled(false);
  if (m_onSignal) m_onSignal(number);
  // Ended by the signal, as whoever sent it expects: no question, no
  // clean-up that could still ask one.
  SetAction(number, SIG_DFL);
  ::raise(number);
  std::_Exit(128 + number);
}
