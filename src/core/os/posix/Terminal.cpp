#include "core/os/Terminal.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

struct CHiddenInput::SavedTerminal {
  termios line{};
};

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) == 1; }

CHiddenInput::CHiddenInput() : m_pSaved(std::make_unique<SavedTerminal>()) {
  m_bTerminal = ::isatty(STDIN_FILENO) == 1 && ::tcgetattr(STDIN_FILENO, &m_pSaved->line) == 0;
  if (!m_bTerminal) return;
  termios quiet = m_pSaved->line;
  quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
  ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
}

CHiddenInput::~CHiddenInput() { Restore(); }

void CHiddenInput::Restore() {
  if (m_bTerminal) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_pSaved->line);
  m_bTerminal = false;
}

InputByte ReadStandardInputByte(char& c) {
  const ssize_t n = ::read(STDIN_FILENO, &c, 1);
  if (n == 1) return InputByte::Read;
  return n < 0 && errno == EINTR ? InputByte::Interrupted : InputByte::End;
}

void UseUtf8Console() {}
