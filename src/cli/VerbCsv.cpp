// programcli export-csv and import-csv: a data file's channels to and from a
// CSV channel list, through the same import and export as the window.
#include <cstdio>
#include <string>

#include "cli/CliArgs.h"
#include "cli/CliTexts.h"
#include "cli/DataFileBand.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvImportReport.h"
#include "core/files/SafeFileWrite.h"
#include "core/radio/ChannelTable.h"
#include "core/radio/NumberText.h"

namespace {

// --band when given (exactly LOW-HIGH); else the band of the data file's
// radio type and band index in Program.ini beside the program, as the
// channel window takes it.
bool ChooseBand(const CliArgs& cli, const RadioImage& image, BandLimits& band, std::string& source) {
  if (cli.Has("band")) {
    source = cli.Value("band");
    const BandText parsed = ParseBandText(source, BandTextForm::Exact);
    band = parsed.limits;
    if (parsed.error == BandTextError::None) return true;
    UsageError("import-csv", "--band '" + source + "' " + BandTextErrorText(parsed.error));
    return false;
  }
  std::string why;
  if (DataFileBand(image, band, source, why)) return true;
  // A usage error, in English as the others are.
  UsageError("import-csv",
             why + LangText{"; give --band LOW-HIGH", "；请用 --band LOW-HIGH 给出频段"}(Language::English));
  return false;
}

}  // namespace

int RunExportCsv(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"output", 'o', true}, {"format", 0, true}, {"help", 'h', false}}, error))
    return UsageError("export-csv", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli export-csv FILE.dat -o OUT.csv [--format ours|chirp]",
                         "Writes the channels in use of a data file (both frequencies set) as a CSV\n"
                         "channel list, UTF-8 with CRLF line ends:\n"
                         "  ours   the channel table's English titles and texts, CH first\n"
                         "  chirp  Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,... the\n"
                         "         form other radio programming tools read and write\n"
                         "The file is replaced through a temporary file, so a failed write leaves\n"
                         "the old one whole.",
                         "  -o, --output OUT.csv    the CSV file to write\n"
                         "      --format ours|chirp the form (default ours)\n"
                         "  -h, --help              this help\n");
  }
  const std::string format = cli.Value("format", "ours");
  if (format != "ours" && format != "chirp")
    return UsageError("export-csv", "--format takes ours or chirp, not '" + format + "'");
  if (cli.Positionals().size() != 1)
    return UsageError("export-csv", cli.Positionals().empty() ? "missing FILE.dat"
                                                              : "unexpected argument '" + cli.Positionals()[1] + "'");
  if (!cli.Has("output") || cli.Value("output").empty()) return UsageError("export-csv", "-o OUT.csv is required");

  RadioImage image;
  const std::string out = cli.Value("output");
  int status = LoadDataFileForVerb("export-csv", cli.Positionals().front(), image);
  if (status == kExitOk) status = RefuseOutputOverInput("export-csv", out, {cli.Positionals().front()});
  if (status != kExitOk) return status;
  const int err = SaveChannelsCsv(out, image, format == "chirp" ? CsvForm::Chirp : CsvForm::Own);
  if (err == 0) return kExitOk;
  std::fprintf(stderr, "programcli export-csv: cannot write '%s': %s\n", out.c_str(), FileErrorText(err).c_str());
  return kExitFileError;
}

int RunImportCsv(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"output", 'o', true}, {"band", 0, true}, {"lang", 0, true}, {"help", 'h', false}}, error))
    return UsageError("import-csv", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli import-csv FILE.dat IN.csv -o NEW.dat [--band LOW-HIGH] [--lang {languages}]",
                         "Replaces the channel table of FILE.dat by the channels of a CSV channel\n"
                         "list and writes the result to NEW.dat; the options and every byte outside\n"
                         "the channels stay as they are.\n"
                         "Both forms of export-csv are read (found by their header line; columns\n"
                         "in any order; our own form also with its Chinese titles and texts).\n"
                         "Lines fill channels 1-16 in file order, or go to their CH/Location when\n"
                         "every line has one from 1 to 16. Each value is checked as a value typed\n"
                         "into the channel window: band, 5 kHz / 6.25 kHz step, tone list, list\n"
                         "texts. A value must be exactly a value of its column: in our form a text\n"
                         "the table writes (446.00625, 88.5, D023N) or a number equal to one, as a\n"
                         "spreadsheet writes it (446.5 for 446.50000, 100 for the tone 100.0);\n"
                         "nothing is completed or cut (no prefix such as D, no frequency with a\n"
                         "digit past the fifth decimal but 0). In the other form a Frequency or\n"
                         "Offset must be a plain number of MHz and an Offset is never negative.\n"
                         "A line with a refused value takes no channel. Channels not in the file\n"
                         "are empty; when no line is taken the channels stay as they were.\n"
                         "The report (channels imported, each refused line with its reason) goes\n"
                         "to stderr.\n"
                         "\n"
                         "The band is --band when given, else the band the channel window would\n"
                         "use for FILE.dat: its radio type and band looked up in Program.ini beside\n"
                         "programcli. Without either, nothing is written.",
                         "  -o, --output NEW.dat    the data file to write (may be FILE.dat itself)\n"
                         "      --band LOW-HIGH     the band: two whole numbers of MHz, LOW below HIGH\n"
                         "                          (400-470 accepts 400.00000 to 471.00000 MHz)\n"
                         "      --lang {languages}  the language of the report (default English)\n"
                         "  -h, --help              this help\n");
  }
  if (cli.Positionals().size() != 2)
    return UsageError("import-csv", cli.Positionals().size() < 2
                                        ? "missing FILE.dat or IN.csv"
                                        : "unexpected argument '" + cli.Positionals()[2] + "'");
  if (!cli.Has("output") || cli.Value("output").empty()) return UsageError("import-csv", "-o NEW.dat is required");
  Language language = Language::English;
  if (!ParseLangOption("import-csv", cli.Value("lang", "English"), language)) return kExitUsage;

  RadioImage image;
  const int status = LoadDataFileForVerb("import-csv", cli.Positionals()[0], image, language);
  if (status != kExitOk) return status;
  BandLimits band;
  std::string bandSource;
  if (!ChooseBand(cli, image, band, bandSource)) return kExitUsage;

  const std::string& csvPath = cli.Positionals()[1];
  // NEW.dat may be FILE.dat itself, updated in place; never the list it came from.
  if (const int refused = RefuseOutputOverInput("import-csv", cli.Value("output"), {csvPath}, language);
      refused != kExitOk)
    return refused;
  const CsvImportResult result = ImportChannelsCsvFile(csvPath, band, language);
  if (!result.Readable()) {
    std::fprintf(stderr, "programcli import-csv: %s: %s\n", csvPath.c_str(),
                 CsvFileFailureText(result, language).c_str());
    return kExitFileError;
  }
  if (result.ReplacesTable()) StoreTableToImage(result.table, image);
  const int saved = SaveDataFileForVerb("import-csv", cli.Value("output"), image, language);
  if (saved != kExitOk) return saved;
  std::fputs(ImportBandLine(bandSource, cli.Has("band") ? "--band" : "Program.ini", language).c_str(), stderr);
  // stderr can take every refused line.
  std::fprintf(stderr, "%s", CsvImportReport(result, language, result.refused.size()).c_str());
  return result.refused.empty() ? kExitOk : kExitLinesRefused;
}
