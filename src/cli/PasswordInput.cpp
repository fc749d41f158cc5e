#include "cli/PasswordInput.h"

#include <cstdio>

#include "cli/LinkVerbs.h"
#include "core/os/Terminal.h"

namespace {

// More than any password; a longer line is refused as it stands.
constexpr std::size_t kLongestLine = 256;

// Echo off for as long as this lives, on a terminal, which is asked for the
// password.
class CQuietTerminal {
 public:
  CQuietTerminal() {
    if (!m_input.OnTerminal()) return;
    std::fputs("Service password: ", stderr);
    std::fflush(stderr);
  }
  ~CQuietTerminal() {
    if (!m_input.OnTerminal()) return;
    m_input.Restore();
    std::fputc('\n', stderr);
  }
  CQuietTerminal(const CQuietTerminal&) = delete;
  CQuietTerminal& operator=(const CQuietTerminal&) = delete;

 private:
  CHiddenInput m_input;
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
    const InputByte got = ReadStandardInputByte(c);
    if (CInterruptCatcher::Interrupted()) {
      password.clear();
      return PasswordInput::Cancelled;
    }
    if (got == InputByte::Interrupted) continue;
    if (got == InputByte::End || c == '\n') break;
    if (password.size() > kLongestLine) continue;
    password += c;
  }
  if (!password.empty() && password.back() == '\r') password.pop_back();
  return PasswordInput::Read;
}
