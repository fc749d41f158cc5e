// programcli write: a data file's image into the radio, or into several
// radios at once.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliTexts.h"
#include "cli/DataFileBand.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/PasswordInput.h"
#include "cli/PortJobs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/lang/Language.h"
#include "core/radio/BandCheck.h"
#include "core/radio/ChannelTable.h"
#include "core/radio/RadioImage.h"
#include "core/settings/ServicePassword.h"

namespace {

// The channels against the band the channel window would use for the file:
// any outside it refuse the whole file. Without a band in Program.ini there
// is nothing to check against, and stderr says so.
int CheckChannelsInBand(const RadioImage& image, Language language) {
  BandLimits band;
  std::string bandText;
  std::string why;
  if (!DataFileBand(image, band, bandText, why, language)) {
    std::fprintf(stderr, "programcli write: %s%s%s\n", why.c_str(), kClauseSeparator(language),
                 kBandNotChecked(language));
    return kExitOk;
  }
  const std::vector<int> outside = ChannelsOutsideBand(image, band);
  if (outside.empty()) return kExitOk;
  std::fprintf(stderr, "programcli write: %s\n", WriteOutsideBandRefusal(bandText, outside, language).c_str());
  return kExitOutsideBand;
}

}  // namespace

int RunWrite(const Args& args) {
  CliArgs cli;
  std::string error;
  // An empty service password is a password, and a wrong one.
  if (!cli.Parse(args,
                 {{"help", 'h', false},
                  {"port", 'p', true},
                  {"service", 0, true, true},
                  {"lang", 0, true},
                  {"raw", 0, false},
                  {"verify", 0, false},
                  {"trace", 0, true}},
                 error))
    return UsageError("write", error);
  if (cli.Has("help")) {
    return PrintVerbHelp(
        "programcli write --port PORT [--port PORT...] FILE.dat [--verify] [--service PASSWORD]\n"
        "                        [--raw] [--trace FILE] [--lang {languages}]",
        "Writes a data file's image into the radio: 0x000-0x2FF and 0x320-0x3DF,\n"
        "leaving the radio's parameter area and power table as they are. With the\n"
        "service password it writes 0x000-0x3FA, those areas included; a wrong\n"
        "password sends nothing. The channels pass through the channel table first,\n"
        "as the channel window sends them, so a file reaches the radio as the same\n"
        "bytes from both. A channel outside the band of the file's radio type and\n"
        "band in Program.ini refuses the whole file (exit status 12), naming the\n"
        "channels. Progress goes to stderr; Ctrl+C cancels between blocks (the\n"
        "blocks already written stay written).\n"
        "\n"
        "--verify reads back what was written, with a handshake of its own, and\n"
        "compares it: a difference or a failed read-back is reported with the\n"
        "address and fails the write (exit status 10).\n"
        "\n"
        "Several --port options write the same file to that many radios at once,\n"
        "one progress line per port and a closing table of port, outcome and time\n"
        "on stdout. A failure on one port never stops the others.",
        "  -p, --port PORT         COM1-COM16 (through [Ports] in Program.ini, else\n"
        "                          COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3,\n"
        "                          COM9-16 /dev/ttyS0-7; on Windows \\\\.\\COMn) or a\n"
        "                          device path; repeat it for several radios\n"
        "      --verify            read back and compare after the write\n"
        "      --service PASSWORD  the service password: write the service areas too;\n"
        "                          - reads it from the first line of stdin, so that it\n"
        "                          does not show in the process list\n"
        "      --raw               send the file's bytes exactly as they are, without the\n"
        "                          channel table and the band check (for experts)\n"
        "      --trace FILE        every byte on the line, one line per burst (with\n"
        "                          several ports FILE gets -PORT before its extension)\n"
        "      --lang {languages}  the language of the messages (default English)\n"
        "  -h, --help              this help\n");
  }
  if (cli.Positionals().size() != 1) return UsageError("write", "give exactly one FILE.dat");
  if (!cli.Has("port")) return UsageError("write", "--port is required");
  Language language = Language::English;
  if (!ParseLangOption("write", cli.Value("lang", "English"), language)) return kExitUsage;
  std::vector<PortTask> tasks;
  if (!CollectPortTasks("write", cli.Values("port"), cli.Value("trace"), false, tasks)) return kExitUsage;

  WriteJob job;
  job.language = language;
  job.verify = cli.Has("verify");
  const int status = LoadDataFileForVerb("write", cli.Positionals()[0], job.image, language);
  if (status != kExitOk) return status;
  job.serviceMode = cli.Has("service");
  std::string password = cli.Value("service");
  // "-": the first line of stdin, kept out of the process list.
  if (job.serviceMode && password == "-" && ReadPasswordLine(password) == PasswordInput::Cancelled) {
    std::fprintf(stderr, "programcli write: %s\n", kWriteCancelled(language));
    return kExitCancelled;
  }
  if (job.serviceMode && !IsServicePassword(password)) {
    std::fprintf(stderr, "programcli write: %s\n", kWrongServicePassword(language));
    return kExitPasswordRefused;
  }
  if (!cli.Has("raw")) {
    StoreImageThroughTable(job.image);
    const int band = CheckChannelsInBand(job.image, language);
    if (band != kExitOk) return band;
  }
  // A trace never replaces the data file being written.
  for (const PortTask& task : tasks) {
    if (task.trace.empty()) continue;
    if (const int refused = RefuseOutputOverInput("write", task.trace, {cli.Positionals()[0]}, language);
        refused != kExitOk)
      return refused;
  }
  if (const int traced = OpenPortTraces("write", tasks, language); traced != kExitOk) return traced;
  return RunOnPorts("write", tasks, language, [&job](const PortTask& task, const PortProgress& progress) {
    return RunWriteJob(job, task, progress);
  });
}
