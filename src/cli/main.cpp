#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/files/ProgramVersion.h"
#include "core/os/ProcessSignals.h"
#include "core/os/ProgramArguments.h"
#include "core/os/Terminal.h"

namespace {

const Verb kVerbs[] = {
    {"new", "write a new document's image to a data file", RunNew},
    {"show", "print a data file's channel table and options", RunShow},
    {"set", "set radio-wide options of a data file by name", RunSet},
    {"read", "read the radio's memory into a data file", RunRead},
    {"write", "write a data file's image into the radio", RunWrite},
    {"ports", "list COM1-COM16, their devices and whether they open", RunPorts},
    {"diff", "print what differs between two data files", RunDiff},
    {"export-csv", "write a data file's channels as a CSV channel list", RunExportCsv},
    {"import-csv", "fill a data file's channels from a CSV channel list", RunImportCsv},
#ifdef PROGRAM_PRINT_VERB
    {"print", "write a data file's printout as a PDF", RunPrintHelper},
#endif
};

std::string HelpText() {
  std::string text = "usage: programcli VERB [OPTIONS...]\n       programcli VERB --help\n\nverbs:\n";
  for (const Verb& v : kVerbs) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-10s %s\n", v.name, v.summary);
    text += line;
  }
  return text + "\n" + ExitStatusHelp();
}

}  // namespace

int main(int argc, char** argv) {
  SetUpProcessSignals();
  UseUtf8Console();
  const std::vector<std::string> words = ProgramArguments(argc, argv);
  if (words.size() < 2) {
    std::fputs(HelpText().c_str(), stderr);
    return kExitUsage;
  }
  const std::string& verb = words[1];
  const Args rest(words.begin() + 2, words.end());
  if (verb == "--help" || verb == "-h" || verb == "help") return WriteToStdout("programcli", HelpText());
  // An output that cannot be written is a file error, as for every verb.
  if (verb == "--version") return PrintVersion("programcli") == 0 ? kExitOk : kExitFileError;
  for (const Verb& v : kVerbs) {
    if (verb == v.name) return v.run(rest);
  }
#ifndef PROGRAM_PRINT_VERB
  if (verb == "print") return RunPrintAbsent(rest);
#endif
  std::fprintf(stderr, "programcli: unknown verb '%s' (try programcli --help)\n", verb.c_str());
  return kExitUsage;
}
