// programcli read: the radio's memory into a data file; from several radios
// at once into a folder.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/PortJobs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/files/DataFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/files/UserFolders.h"
#include "core/os/Folders.h"
#include "core/os/SaveTarget.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/RadioImage.h"

namespace {

// -o as RunReadJob takes it: a folder ends in '/'. Several ports need one; a
// folder named with its '/' is made when missing. 0 or an exit status.
int OutputForPorts(std::string& output, std::size_t ports) {
  if (output.back() != '/' && IsFolder(output)) output += '/';
  if (output.back() != '/') return ports > 1 ? UsageError("read", "with several ports, -o names a folder (DIR/)") : 0;
  if (IsFolder(output)) return kExitOk;
  const OsError err = CreateFolder(output, FolderAccess::Shared);
  if (!err) return kExitOk;
  std::fprintf(stderr, "programcli read: cannot make the folder '%s': %s\n", output.c_str(),
               SystemErrorText(err.code).c_str());
  return kExitFileError;
}

}  // namespace

int RunRead(const Args& args) {
  CliArgs cli;
  std::string error;
  if (!cli.Parse(args,
                 {{"help", 'h', false},
                  {"port", 'p', true},
                  {"output", 'o', true},
                  {"base", 0, true},
                  {"lang", 0, true},
                  {"trace", 0, true}},
                 error))
    return UsageError("read", error);
  if (cli.Has("help")) {
    return PrintVerbHelp(
        "programcli read --port PORT [--port PORT...] -o FILE.dat|DIR/ [--base FILE.dat]\n"
        "                       [--trace FILE] [--lang {languages}]",
        "Reads the radio's memory (0x000-0x3FA) into a data file. Bytes 0x3FB-0x3FF\n"
        "never travel over the link: they come from --base, else they are 0xFF.\n"
        "Nothing is written unless the whole read succeeded. Progress goes to\n"
        "stderr; Ctrl+C cancels between blocks.\n"
        "\n"
        "Several --port options read that many radios at once, each into its own\n"
        "file in the folder -o names (COM1.dat, dev_ttyUSB0.dat: the port's name in\n"
        "safe characters), with one progress line per port and a closing table of\n"
        "port, outcome and time on stdout. A failure on one port never stops the\n"
        "others.\n"
        "\n"
        "Every complete read is also kept as a backup data file named after the\n"
        "time and the port, in $XDG_DATA_HOME/APPNAME/ (default\n"
        "~/.local/share/APPNAME/; on Windows %LOCALAPPDATA%\\APPNAME\\; APPNAME from\n"
        "[Setup] of Program.ini); the newest 50 are kept. A backup that cannot be\n"
        "written is told and changes nothing else.",
        "  -p, --port PORT         COM1-COM16 (through [Ports] in Program.ini, else\n"
        "                          COM1-4 /dev/ttyUSB0-3, COM5-8 /dev/ttyACM0-3,\n"
        "                          COM9-16 /dev/ttyS0-7; on Windows \\\\.\\COMn) or a\n"
        "                          device path; repeat it for several radios\n"
        "  -o, --output FILE.dat   the data file to write; DIR/ for one file per port\n"
        "      --base FILE.dat     a data file whose bytes fill what is not read\n"
        "      --trace FILE        every byte on the line, one line per burst (with\n"
        "                          several ports FILE gets -PORT before its extension)\n"
        "      --lang {languages}  the language of the messages (default English)\n"
        "  -h, --help              this help\n");
  }
  if (!cli.Positionals().empty()) return UsageError("read", "unexpected argument '" + cli.Positionals()[0] + "'");
  if (!cli.Has("port")) return UsageError("read", "--port is required");
  if (!cli.Has("output") || cli.Value("output").empty()) return UsageError("read", "-o FILE.dat is required");
  Language language = Language::English;
  if (!ParseLangOption("read", cli.Value("lang", "English"), language)) return kExitUsage;
  std::vector<PortTask> tasks;
  if (!CollectPortTasks("read", cli.Values("port"), cli.Value("trace"), true, tasks)) return kExitUsage;

  ReadJob job;  // the base image is all 0xFF
  job.language = language;
  if (cli.Has("base")) {
    const int status = LoadDataFileForVerb("read", cli.Value("base"), job.base, language);
    if (status != kExitOk) return status;
  }
  job.output = cli.Value("output");
  int status = OutputForPorts(job.output, tasks.size());
  // The output may replace --base, read whole before; a trace may replace
  // neither, nor any port's output.
  std::vector<std::string> files;
  if (cli.Has("base")) files.push_back(cli.Value("base"));
  for (const PortTask& task : tasks) files.push_back(ReadOutputPath(job.output, task.port));
  // An output the save would refuse is refused before a radio is read for it.
  for (std::size_t i = cli.Has("base") ? 1 : 0; status == kExitOk && i < files.size(); ++i) {
    const int err = CheckSaveTarget(files[i]);
    if (err == 0) continue;
    std::string text;
    status = DataFileFailure(files[i], {DataFileStatus::CannotWrite, err}, true, language, text);
    std::fprintf(stderr, "programcli read: %s\n", text.c_str());
  }
  for (const PortTask& task : tasks)
    if (status == kExitOk && !task.trace.empty()) status = RefuseOutputOverInput("read", task.trace, files, language);
  if (status == kExitOk) status = OpenPortTraces("read", tasks, language);
  if (status != kExitOk) return status;
  CProfileFile profile;
  LoadProgramProfile(profile);
  job.backupFolder = BackupFolder(profile.GetString("Setup", "AppName", ""));

  return RunOnPorts("read", tasks, language, [&job](const PortTask& task, const PortProgress& progress) {
    return RunReadJob(job, task, progress);
  });
}
