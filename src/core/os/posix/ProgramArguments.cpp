#include "core/os/ProgramArguments.h"

// The words are bytes as they were typed; the program reads them as UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv) { return {argv, argv + argc}; }
