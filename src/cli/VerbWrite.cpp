// programcli write: a data file's image into the radio.
#include <string>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "link/TransferDriver.h"
#include "radio/ChannelTable.h"
#include "radio/RadioImage.h"
#include "settings/ServicePassword.h"

int RunWrite(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"help", 'h', false}, {"port", 'p', true}, {"service", 0, true}, {"lang", 0, true},
                        {"raw", 0, false}},
                 error))
    return UsageError("write", error);
  if (cli.Has("help")) {
    return PrintVerbHelp(
        "programcli write --port PORT FILE.dat [--service PASSWORD] [--raw] [--lang English|Chinese]",
        "Writes a data file's image into the radio: 0x000-0x2FF and 0x320-0x3DF,\n"
        "leaving the radio's parameter area and power table as they are. With the\n"
        "service password it writes 0x000-0x3FA, those areas included; a wrong\n"
        "password sends nothing. The channels pass through the channel table first,\n"
        "as the channel window sends them, so a file reaches the radio as the same\n"
        "bytes from both. Progress goes to stderr; Ctrl+C cancels between blocks\n"
        "(the blocks already written stay written).",
        "  -p, --port PORT         COM1-COM16 (through [Ports] in Program.ini, else\n"
        "                          COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3,\n"
        "                          COM9-16 /dev/ttyS0-7) or a device path\n"
        "      --service PASSWORD  the service password: write the service areas too\n"
        "      --raw               send the file's bytes exactly as they are, without the\n"
        "                          channel table (for experts)\n"
        "      --lang English|Chinese  the language of the messages (default English)\n");
  }
  if (cli.Positionals().size() != 1) return UsageError("write", "give exactly one FILE.dat");
  if (!cli.Has("port")) return UsageError("write", "--port is required");
  bool chinese = false;
  if (!ParseLangOption("write", cli.Value("lang", "English"), chinese)) return kExitUsage;
  std::string device;
  if (!ResolvePortForVerb("write", cli.Value("port"), device)) return kExitUsage;

  RadioImage image;
  const int status = LoadDataFileForVerb("write", cli.Positionals()[0], image, chinese);
  if (status != kExitOk) return status;
  const bool serviceMode = cli.Has("service");
  if (serviceMode && !IsServicePassword(cli.Value("service"))) {
    std::fprintf(stderr, "programcli write: %s\n",
                 chinese ? "维修密码错误，没有发送任何数据" : "the service password is wrong; nothing was sent");
    return kExitPasswordRefused;
  }

  if (!cli.Has("raw")) StoreImageThroughTable(image);

  CInterruptCatcher interrupt;
  CProgressPrinter printer(chinese ? "写数据" : "Write Data");
  MainTransferRequest request;
  request.device = device;
  request.direction = Direction::Write;
  request.serviceMode = serviceMode;
  request.chinese = chinese;
  request.onProgress = [&](const TransferProgress& p) { printer.Show(p); };
  request.isCancelled = [] { return CInterruptCatcher::Interrupted(); };
  const TransferResult result = RunMainTransfer(request, image);
  printer.Finish();
  return ReportTransfer("write", result, device, chinese);
}
