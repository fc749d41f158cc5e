#include "cli/PasswordInput.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cli/LinkVerbs.h"

namespace {

// More than any password; a longer line is refused as it stands.
constexpr std::size_t kLongestLine = 256;

// Echo off for as long as this lives, on a terminal.
class CQuietTerminal {
 public:
  CQuietTerminal() {
    m_bTerminal = ::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &m_saved) == 0;
    if (!m_bTerminal) return;
    termios quiet = m_saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    std::fputs("Service password: ", stderr);
    std::fflush(stderr);
  }
  ~CQuietTerminal() {
    if (!m_bTerminal) return;
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
    std::fputc('\n', stderr);
  }
  CQuietTerminal(const CQuietTerminal&) = delete;
  CQuietTerminal& operator=(const CQuietTerminal&) = delete;

 private:
  bool m_bTerminal = false;
  termios m_saved{};
};

}  // namespace

PasswordInput ReadPasswordLine(std::string& password) {
  password.clear();
  // Ctrl+C ends the read instead of the process, so that the terminal is
  // always given back as it was.
  CInterruptCatcher interrupt;
  CQuietTerminal terminal;
  // A byte at a time: what follows the line stays unread.
  for (;;) {
    char c = 0;
    const ssize_t n = ::read(STDIN_FILENO, &c, 1);
    if (CInterruptCatcher::Interrupted()) {
      password.clear();
      return PasswordInput::Cancelled;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || c == '\n') break;
    if (password.size() > kLongestLine) continue;
    password += c;
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  return PasswordInput::Read;
}
