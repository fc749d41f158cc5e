#include "app/ProgramVersion.h"

#include <cstdio>

const char* ProgramVersion() { return PROGRAM_VERSION; }

int PrintVersion(const char* program) {
  std::printf("%s %s\n", program, ProgramVersion());
  return 0;
}
