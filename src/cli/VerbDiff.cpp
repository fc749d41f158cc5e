// programcli diff A.dat B.dat: what differs between two data files, as a
// user reads them: channels side by side, options by name, other bytes.
#include <string>

#include "cli/ChannelLines.h"
#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ImageCompare.h"

namespace {

// Sections are separated by a blank line; each has a heading naming the two
// files, then tab-separated lines with the first file's side, "|", the second's.
std::string DiffText(const ImageComparison& d, const std::string& a, const std::string& b, Language language) {
  if (d.Same()) return std::string(kImagesSameText(language)) + "\n";
  const std::string sides = " (" + a + " | " + b + ")\n";
  std::string out;
  if (!d.channels.empty()) {
    out += kChannelsHeading(language) + sides;
    const std::string titles = TabbedColumnTitles(language);
    out += ChannelColumnTitle(0, language) + titles + "\t|" + titles + "\n";
    for (const ChannelDifference& c : d.channels)
      out += ChannelNumberText(c.channel) + TabbedCells(c.first) + "\t|" + TabbedCells(c.second) + "\n";
  }
  if (!d.options.empty()) {
    if (!out.empty()) out += "\n";
    out += kOptionsHeading(language) + sides;
    for (const OptionDifference& o : d.options) out += o.name + "\t" + o.first + "\t|\t" + o.second + "\n";
  }
  if (!d.bytes.empty()) {
    if (!out.empty()) out += "\n";
    out += kBytesHeading(language) + sides;
    for (const ByteDifference& r : d.bytes)
      out += AddressRangeText(r) + "\t" + HexText(r.first) + "\t|\t" + HexText(r.second) + "\n";
  }
  return out;
}

}  // namespace

int RunDiff(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"lang", 0, true}, {"help", 'h', false}}, error)) return UsageError("diff", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli diff A.dat B.dat [--lang {languages}]",
                         "Prints what differs between the images of two data files: the channels\n"
                         "that differ as the channel table shows them (A's cells, \"|\", B's cells),\n"
                         "the options that differ by the names show and set use (NAME, tab, A's value,\n"
                         "tab, \"|\", tab, B's value), then every other byte that\n"
                         "differs (one the table and the options do not show) as address ranges\n"
                         "with A's and B's bytes in hex. Cells are separated by one tab. Exit status\n"
                         "0 when the images are the same, 1 when they differ.",
                         "  --lang {languages}  the language of the texts (default English)\n"
                         "  -h, --help              this help\n");
  }
  Language language = Language::English;
  if (!ParseLangOption("diff", cli.Value("lang", "English"), language)) return kExitUsage;
  if (cli.Positionals().size() != 2) return UsageError("diff", "give two data files, A.dat B.dat");
  const std::string& a = cli.Positionals()[0];
  const std::string& b = cli.Positionals()[1];
  RadioImage first;
  RadioImage second;
  int status = LoadDataFileForVerb("diff", a, first, language);
  if (status == kExitOk) status = LoadDataFileForVerb("diff", b, second, language);
  if (status != kExitOk) return status;
  CProfileFile profile;
  LoadProgramProfile(profile);
  const ImageComparison d = CompareImages(first, second, profile, language);
  status = WriteOutput("diff", DiffText(d, a, b, language));
  if (status != kExitOk) return status;
  return d.Same() ? kExitOk : kExitDiffer;
}
