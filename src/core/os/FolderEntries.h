#pragma once
// The names a folder holds, for code that picks among them by name alone.
#include <string>
#include <vector>

// Every entry of `folder` but "." and "..", in the order the system lists
// them; empty when the folder cannot be read.
std::vector<std::string> FolderEntryNames(const std::string& folder);
