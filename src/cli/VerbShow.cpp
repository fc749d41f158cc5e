// programcli show FILE.dat: the channel table as the channel window shows
// it, the option lines of the printout, then every radio-wide option by the
// name programcli set takes.
#include <string>

#include "cli/ChannelLines.h"
#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/print/OptionLines.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/ChannelTable.h"
#include "core/settings/RadioOptions.h"

namespace {

std::string ShowText(const RadioImage& image, const CProfileFile& profile, Language language) {
  std::string out = ChannelColumnTitle(0, language) + TabbedColumnTitles(language) + '\n';
  const ChannelTable table = TableFromImage(image, language);
  for (int n = 1; n <= ImageMap::kChannelCount; ++n)
    out += ChannelNumberText(n) + TabbedCells(table[static_cast<std::size_t>(n - 1)]) + '\n';
  out += '\n';
  for (const OptionLine& line : OptionLinesFromImage(image, language)) out += line.label + '\t' + line.value + '\n';
  out += '\n';
  for (const RadioOptionValue& option : RadioOptionsOfImage(image, profile, language))
    out += option.name + '=' + option.value + '\n';
  return out;
}

}  // namespace

int RunShow(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"lang", 0, true}, {"help", 'h', false}}, error)) return UsageError("show", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli show FILE.dat [--lang {languages}]",
                         "Prints the channel table of a data file as the channel window shows it: a\n"
                         "line of the nine column titles, then sixteen rows, cells separated by one\n"
                         "tab. Then a blank line and the seven option lines of the printout (label,\n"
                         "tab, value). Then a blank line and every radio-wide option as NAME=VALUE,\n"
                         "by the names programcli set takes: the list entry the Optional Features\n"
                         "dialog shows, or the byte as (0xNN) when it shows none, and the model and\n"
                         "band named by Program.ini beside the program.",
                         "  --lang {languages}  the language of the texts (default English)\n"
                         "  -h, --help              this help\n");
  }
  Language language = Language::English;
  if (!ParseLangOption("show", cli.Value("lang", "English"), language)) return kExitUsage;
  if (cli.Positionals().empty()) return UsageError("show", "missing FILE.dat");
  if (cli.Positionals().size() > 1) return UsageError("show", "unexpected argument '" + cli.Positionals()[1] + "'");

  const std::string& path = cli.Positionals().front();
  RadioImage image;
  const int status = LoadDataFileForVerb("show", path, image, language);
  if (status != kExitOk) return status;
  CProfileFile profile;
  LoadProgramProfile(profile);
  return WriteOutput("show", ShowText(image, profile, language));
}
