// programcli ports: COM1-COM16 and the higher ports the system lists, the
// device behind each, and whether it opens.
#include <string>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/link/PortNames.h"
#include "core/link/PortProbe.h"
#include "core/os/SerialPortNames.h"
#include "core/profile/ProfileFile.h"

int RunPorts(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args, {{"help", 'h', false}, {"lang", 0, true}}, error)) return UsageError("ports", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli ports [--lang {languages}]",
                         "Lists COM1 to COM16, and on Windows every higher port the system\n"
                         "lists, with the device each one is (a [Ports] entry in Program.ini\n"
                         "wins over the default) and whether it can be opened for exclusive\n"
                         "use now; when not, why.",
                         "      --lang {languages}  the language of the states (default English)\n"
                         "  -h, --help                  this text\n");
  }
  if (!cli.Positionals().empty()) return UsageError("ports", "unexpected argument '" + cli.Positionals()[0] + "'");
  Language language = Language::English;
  if (!ParseLangOption("ports", cli.Value("lang", "English"), language)) return kExitUsage;
  CProfileFile profile;
  LoadProgramProfile(profile);
  std::string text;
  for (const int n : PortsToList(SystemSerialPortNames())) {
    const std::string device = DevicePathForPort(n, profile);
    std::string name = "COM" + std::to_string(n);
    name.resize(7, ' ');
    std::string shown = device;
    if (shown.size() < 16) shown.resize(16, ' ');
    text += name + shown + " " + DescribeProbe(ProbePort(device), language) + "\n";
  }
  return WriteOutput("ports", text);
}
