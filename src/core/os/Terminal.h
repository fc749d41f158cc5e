#pragma once
// The terminal a command-line program talks to: whether there is one, and
// reading a line from it without showing what is typed.
#include <memory>

// Whether standard error goes to a terminal (progress drawn in place there).
bool StandardErrorIsTerminal();

// For as long as one lives, what is typed on the terminal at standard input
// is not shown; nothing changes when standard input is no terminal.
class CHiddenInput {
 public:
  CHiddenInput();
  ~CHiddenInput();
  CHiddenInput(const CHiddenInput&) = delete;
  CHiddenInput& operator=(const CHiddenInput&) = delete;

  // Whether standard input is a terminal whose echo was turned off.
  bool OnTerminal() const { return m_bTerminal; }
  // Gives the terminal back as it was, before the object goes.
  void Restore();

 private:
  struct SavedTerminal;
  bool m_bTerminal = false;
  std::unique_ptr<SavedTerminal> m_pSaved;
};

enum class InputByte {
  Read,         // `c` holds the byte
  Interrupted,  // a signal came first; nothing was read
  End,          // end of input or a failure
};
// One byte of standard input, so that what follows a line stays unread.
InputByte ReadStandardInputByte(char& c);

// Text the program writes is UTF-8; a Windows console shows its own code
// page unless told otherwise. Nothing to do where terminals take UTF-8.
void UseUtf8Console();
