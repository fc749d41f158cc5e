#include "core/os/ProgramExec.h"

#include <unistd.h>

#include <cerrno>

OsError RunInstead(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& word : arguments) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  return OsError(errno);
}
