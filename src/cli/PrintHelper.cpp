// programcli print runs in programcli-print beside programcli: drawing the
// report needs Qt, and loading Qt would slow every other verb's start.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/Verb.h"
#include "core/files/ProgramFolder.h"

int RunPrintHelper(const Args& args) {
  const std::string helper = ProgramFolder() + kPrintHelperName;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(helper.c_str()));
  for (const std::string& word : args) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  ::execv(helper.c_str(), argv.data());
  std::fprintf(stderr, "programcli print: cannot run '%s': %s\n", helper.c_str(), std::strerror(errno));
  return kExitFailure;
}
