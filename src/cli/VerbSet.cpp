// programcli set FILE.dat NAME=VALUE...: radio-wide options of a data file,
// through the rules of the Optional Features and Product Information dialogs.
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/RadioOptions.h"

int RunSet(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"help", 'h', false}}, error)) return UsageError("set", error);
  if (cli.Has("help")) {
    const std::string description =
        "Sets radio-wide options of a data file, as the Optional Features and Product\n"
        "Information dialogs do, and saves it. Any unknown name or value, or a name\n"
        "given twice, changes nothing: the file stays as it was.\n"
        "\n" +
        RadioOptionValuesHelp() +
        "  model=NAME|N   a model of Program.ini beside the program (Type1 is 1);\n"
        "                 it takes its first band unless band= is given too\n"
        "  band=NAME|N    a band of that model, else of the file's model; moving to\n"
        "                 another hundred-MHz range sets the narrow squelch default\n"
        "\n"
        "Values are the dialogs' list entries in English or Chinese; case, blanks,\n"
        "'-' and '_' do not matter, and the \"s\" of seconds may be left out.\n"
        "programcli show prints every option by these names.";
    return PrintVerbHelp("programcli set FILE.dat NAME=VALUE...", description.c_str(), "  -h, --help  this help\n");
  }
  const std::vector<std::string>& words = cli.Positionals();
  if (words.empty()) return UsageError("set", "missing FILE.dat");
  if (words.size() < 2) return UsageError("set", "missing NAME=VALUE");

  const std::string& path = words.front();
  RadioImage image;
  const int status = LoadDataFileForVerb("set", path, image);
  if (status != kExitOk) return status;
  CProfileFile profile;
  LoadProgramProfile(profile);
  const RadioImage before = image;
  if (!ApplyRadioOptions({words.begin() + 1, words.end()}, profile, image, error)) return UsageError("set", error);
  if (image == before) return kExitOk;
  return SaveDataFileForVerb("set", path, image);
}
