#pragma once
#include <string>

// The folder of the running executable, symbolic links resolved, with its
// trailing '/'. Not argv[0]: a program started through a link or by a bare
// name on the PATH still finds the files beside the real executable.
std::string ProgramFolder();
