#pragma once
// One verb of programcli per file; main only dispatches.
#include <string>
#include <vector>

using Args = std::vector<std::string>;  // the words after the verb

struct Verb {
  const char* name;
  const char* summary;  // one line for the tool's --help
  int (*run)(const Args& args);
};

int RunNew(const Args& args);
int RunShow(const Args& args);
int RunSet(const Args& args);
int RunRead(const Args& args);
int RunWrite(const Args& args);
int RunPorts(const Args& args);
int RunDiff(const Args& args);
// Only in a build with the GUI: RunPrint is programcli-print's, and
// programcli's print verb runs that program (RunPrintHelper).
int RunPrint(const Args& args);
int RunPrintHelper(const Args& args);
// Without the GUI: says that print is not in the build.
int RunPrintAbsent(const Args& args);
constexpr const char* kPrintHelperName = "programcli-print";
int RunExportCsv(const Args& args);
int RunImportCsv(const Args& args);
