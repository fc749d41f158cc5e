#include "app/ProgramVersion.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

const char* ProgramVersion() { return PROGRAM_VERSION; }

int PrintVersion(const char* program) {
  errno = 0;
  // A script reading the version from a pipe must not take silence for it.
  if (std::printf("%s %s\n", program, ProgramVersion()) >= 0 && std::fflush(stdout) == 0) return 0;
  std::fprintf(stderr, "%s: cannot write the version: %s\n", program, std::strerror(errno ? errno : EIO));
  return 1;
}
