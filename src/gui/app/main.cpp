#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/os/ProcessSignals.h"
#include "core/files/ProgramFolder.h"
#include "core/files/ProgramVersion.h"
#include "gui/app/ProgramApp.h"

int main(int argc, char** argv) {
  SetUpProcessSignals();
  // Answered before Qt starts, so that they need no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return PrintVersion("Program");
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    return WriteStandardOutput("Program",
                               "usage: Program [FILE.dat]\n"
                               "       Program --version | --help\n\n"
                               "Reads, edits and writes the memory of a 16-channel FM radio. With no\n"
                               "argument the program starts with a new document; FILE.dat opens that data\n"
                               "file. See Program(1).\n")
               ? 0
               : 1;
  }
  CProgramApp app(argc, argv);
  // Qt has taken its own options out of argv. The rest are taken as bytes:
  // a file name that is not UTF-8 would not survive a text.
  const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
  if (!app.InitInstance(ProgramFolder(), arguments)) {
    app.ExitInstance();
    return 1;
  }
  const int status = app.Run();
  app.ExitInstance();
  return status;
}
