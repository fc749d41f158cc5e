#pragma once
// What read, write and ports share: finding the device behind a port name,
// progress on stderr, and turning a transfer's result into a message
// and an exit status.
#include <string>

#include "core/lang/Language.h"
#include "core/link/TransferDriver.h"
#include "core/os/ProcessSignals.h"

class CProfileFile;

// "Program.ini" as the window reads it (the user's own copy beside an
// installed program), never saved back; a missing file stays missing
// (loading would create it).
void LoadProgramProfile(CProfileFile& profile);

// PORT as given: COMn (through [Ports] of "Program.ini") or a device path.
// Prints the usage error and returns false when it names no device.
bool ResolvePortForVerb(const char* verb, const std::string& port, std::string& device);

// --lang English|Chinese (default English); false after printing a usage error.
bool ParseLangOption(const char* verb, const std::string& value, Language& language);

// A bar with the percentage when stderr is a terminal, "NN%" lines otherwise.
class CProgressPrinter {
 public:
  explicit CProgressPrinter(const char* caption);
  void Show(const TransferProgress& progress);
  void Finish();  // ends the bar's line

 private:
  const char* m_caption;
  bool m_bTerminal;
  bool m_bShown = false;
  std::string m_strLast;
};

// The message of a failed transfer, printed after "programcli VERB: ", then
// in plain words why (the port's probe, the step that failed, a partly
// written radio), in the language asked for; empty on success.
std::string TransferFailureText(const TransferResult& result, Language language);
// The exit status of the outcome.
int TransferExitStatus(TransferOutcome outcome);
