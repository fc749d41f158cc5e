// programcli new -o FILE.dat: the image a new document starts from, as a
// data file.
#include <string>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/files/NewDocumentImage.h"
#include "core/files/ProgramFolder.h"

int RunNew(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"output", 'o', true}, {"help", 'h', false}}, error)) return UsageError("new", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli new -o FILE.dat",
                         "Writes the image a new document starts from as a data file: \"Default.dat\"\n"
                         "beside the program when there is one, else the built-in defaults.",
                         "  -o, --output FILE.dat  the data file to write (replaced if it exists)\n"
                         "  -h, --help             this help\n");
  }
  if (!cli.Positionals().empty()) return UsageError("new", "unexpected argument '" + cli.Positionals().front() + "'");
  if (!cli.Has("output")) return UsageError("new", "missing -o FILE.dat");
  const std::string path = cli.Value("output");
  if (path.empty()) return UsageError("new", "the output file name is empty");

  return SaveDataFileForVerb("new", path, NewDocumentImage(ProgramFolder()));
}
