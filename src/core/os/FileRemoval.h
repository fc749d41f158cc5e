#pragma once
// Removing a file the program made.
#include <string>

// Removes the entry `path` (a link itself, not what it leads to); true when
// it is gone.
bool RemoveFile(const std::string& path);
