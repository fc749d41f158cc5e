#pragma once
// Runs a built program as a user would, with stdout and stderr captured.
#include <string>
#include <vector>

struct ProgramRun {
  int status = -1;  // exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

// The folder of the built executables, from PROGRAM_BIN_DIR.
std::string BuiltProgram(const std::string& name);

// stdoutPath: where stdout goes instead of being captured (for example
// /dev/full); `out` stays empty then. stdinPath: what stdin reads.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& stdoutPath = "", const std::string& stdinPath = "/dev/null");
