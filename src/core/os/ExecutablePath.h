#pragma once
// The running program's own file, as the system knows it.
#include <string>

// The executable's absolute path with every link resolved (not the zeroth
// argument, which a link or the PATH may have given); empty when unknown.
std::string ExecutablePath();
