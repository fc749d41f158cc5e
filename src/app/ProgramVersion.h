#pragma once
// The version of the program and its tools: the project's, as the package
// carries it.

const char* ProgramVersion();

// "PROGRAM VERSION" on stdout, what every tool's --version prints; returns 0,
// or 1 after telling on stderr that stdout could not take it.
int PrintVersion(const char* program);
