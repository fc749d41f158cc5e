#include "core/os/Terminal.h"

#include <io.h>

#include <cstdio>
#include <memory>

#include "core/os/windows/WinText.h"

struct CHiddenInput::SavedTerminal {
  DWORD mode = 0;
};

bool StandardErrorIsTerminal() { return ::_isatty(::_fileno(stderr)) != 0; }

CHiddenInput::CHiddenInput() : m_pSaved(std::make_unique<SavedTerminal>()) {
  const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
  m_bTerminal = ::GetConsoleMode(in, &m_pSaved->mode) != 0;
  if (m_bTerminal) ::SetConsoleMode(in, m_pSaved->mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
}

CHiddenInput::~CHiddenInput() { Restore(); }

void CHiddenInput::Restore() {
  if (m_bTerminal) ::SetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), m_pSaved->mode);
  m_bTerminal = false;
}

InputByte ReadStandardInputByte(char& c) {
  for (;;) {
    DWORD n = 0;
    if (!::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), &c, 1, &n, nullptr) || n == 0) return InputByte::End;
    if (c != '\r') return InputByte::Read;  // a console line ends in CR LF
  }
}

void UseUtf8Console() { ::SetConsoleOutputCP(CP_UTF8); }
