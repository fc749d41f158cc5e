#pragma once
// The words a program was started with, in UTF-8 as everything else in the
// program. Windows hands main() its words in the ANSI code page, where a file
// named "测试.dat" arrives as "??.dat"; there they are taken from the wide
// command line instead.
#include <string>
#include <vector>

// argv[0] to argv[argc - 1], each in UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);
