// programcli print runs in programcli-print beside programcli: drawing the
// report needs Qt, and loading Qt would slow every other verb's start.
#include <cstdio>
#include <string>

#include "cli/ExitStatus.h"
#include "cli/Verb.h"
#include "core/files/ProgramFolder.h"
#include "core/os/ProgramExec.h"

int RunPrintHelper(const Args& args) {
  const std::string helper = ProgramFolder() + kPrintHelperName;
  const OsError err = RunInstead(helper, args);
  std::fprintf(stderr, "programcli print: cannot run '%s': %s\n", helper.c_str(), SystemErrorText(err.code).c_str());
  return kExitFailure;
}
