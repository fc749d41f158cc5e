// programcli read: the radio's memory into a data file.
#include <string>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "link/TransferDriver.h"
#include "radio/RadioImage.h"

int RunRead(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"help", 'h', false}, {"port", 'p', true}, {"output", 'o', true}, {"base", 0, true},
                        {"lang", 0, true}},
                 error))
    return UsageError("read", error);
  if (cli.Has("help")) {
    return PrintVerbHelp(
        "programcli read --port PORT -o FILE.dat [--base FILE.dat] [--lang English|Chinese]",
        "Reads the radio's memory (0x000-0x3FA) into a data file. Bytes 0x3FB-0x3FF\n"
        "never travel over the link: they come from --base, else they are 0xFF.\n"
        "Nothing is written unless the whole read succeeded. Progress goes to\n"
        "stderr; Ctrl+C cancels between blocks.",
        "  -p, --port PORT         COM1-COM16 (through [Ports] in Program.ini, else\n"
        "                          COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3,\n"
        "                          COM9-16 /dev/ttyS0-7) or a device path\n"
        "  -o, --output FILE.dat   the data file to write\n"
        "      --base FILE.dat     a data file whose bytes fill what is not read\n"
        "      --lang English|Chinese  the language of the messages (default English)\n");
  }
  if (!cli.Positionals().empty()) return UsageError("read", "unexpected argument '" + cli.Positionals()[0] + "'");
  if (!cli.Has("port")) return UsageError("read", "--port is required");
  if (!cli.Has("output") || cli.Value("output").empty()) return UsageError("read", "-o FILE.dat is required");
  bool chinese = false;
  if (!ParseLangOption("read", cli.Value("lang", "English"), chinese)) return kExitUsage;
  std::string device;
  if (!ResolvePortForVerb("read", cli.Value("port"), device)) return kExitUsage;

  RadioImage image;  // all 0xFF
  if (cli.Has("base")) {
    const int status = LoadDataFileForVerb("read", cli.Value("base"), image, chinese);
    if (status != kExitOk) return status;
  }

  CInterruptCatcher interrupt;
  CProgressPrinter printer(chinese ? "读数据" : "Read Data");
  MainTransferRequest request;
  request.device = device;
  request.direction = Direction::Read;
  request.chinese = chinese;
  request.onProgress = [&](const TransferProgress& p) { printer.Show(p); };
  request.isCancelled = [] { return CInterruptCatcher::Interrupted(); };
  const TransferResult result = RunMainTransfer(request, image);
  printer.Finish();
  if (!result.ok()) return ReportTransfer("read", result, device, chinese);
  return SaveDataFileForVerb("read", cli.Value("output"), image, chinese);
}
