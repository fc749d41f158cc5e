#pragma once
// radiosim's command line.
#include <string>
#include <vector>

#include "RadioSim.h"

struct SimCommandLine {
  SimOptions options;
  std::string memoryFile;  // empty: the built-in defaults
  bool trace = false;
  bool help = false;
  bool version = false;
};

// False with `error` set on an unknown option or a bad value.
bool ParseSimCommandLine(const std::vector<std::string>& args, SimCommandLine& out, std::string& error);

const char* SimHelpText();
