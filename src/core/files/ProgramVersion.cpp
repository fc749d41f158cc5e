#include "core/files/ProgramVersion.h"

#include <cerrno>
#include <cstdio>

#include "core/os/OsError.h"

const char* ProgramVersion() { return PROGRAM_VERSION; }

bool WriteStandardOutput(const std::string& who, const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (std::fflush(stdout) == 0 && written) return true;
  std::fprintf(stderr, "%s: cannot write the output: %s\n", who.c_str(), SystemErrorText(errno ? errno : EIO).c_str());
  return false;
}

int PrintVersion(const char* program) {
  return WriteStandardOutput(program, std::string(program) + " " + ProgramVersion() + "\n") ? 0 : 1;
}
