#pragma once
// The version of the program and its tools: the project's, as the package
// carries it; and how each tool prints it and its help.
#include <string>

const char* ProgramVersion();

// `text` on stdout, flushed. False after telling on stderr ("WHO: cannot
// write the output: ...") that stdout could not take it (a full disk, a
// closed pipe): a script must not take silence for the text.
bool WriteStandardOutput(const std::string& who, const std::string& text);

// "PROGRAM VERSION" on stdout, what every tool's --version prints; returns 0,
// or 1 when stdout could not take it.
int PrintVersion(const char* program);
