#pragma once
// What the system's user database says of the user running the program.
#include <string>

// The home folder of this user's account entry; empty when there is none or
// it is no absolute path.
std::string AccountHomeFolder();
