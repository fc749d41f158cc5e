#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "RadioSim.h"
#include "SimCommandLine.h"
#include "core/files/DataFile.h"
#include "core/files/DataFileMessage.h"
#include "core/files/NewDocumentImage.h"
#include "core/files/ProgramVersion.h"
#include "core/files/SafeFileWrite.h"
#include "core/os/ProcessSignals.h"
namespace {

CRadioSim* g_sim = nullptr;

extern "C" void OnStopSignal(int) {
  if (g_sim) g_sim->RequestStop();
}

}  // namespace

int main(int argc, char** argv) {
  SetUpProcessSignals();
  SimCommandLine cmd;
  std::string error;
  if (!ParseSimCommandLine(std::vector<std::string>(argv + 1, argv + argc), cmd, error)) {
    std::fprintf(stderr, "radiosim: %s (try radiosim --help)\n", error.c_str());
    return 2;
  }
  if (cmd.help) return WriteStandardOutput("radiosim", SimHelpText()) ? 0 : 1;
  if (cmd.version) return PrintVersion("radiosim");
  RadioImage memory = BuiltInDefaults();
  if (!cmd.memoryFile.empty()) {
    const DataFileResult r = LoadDataFile(cmd.memoryFile, memory);
    if (!r.ok()) {
      // "Data Format Error" alone would not say which file.
      const std::string prefix = r.status == DataFileStatus::BadSignature ? cmd.memoryFile + ": " : "";
      const std::string text = CommandLineOpenMessage(r, cmd.memoryFile, Language::English);
      std::fprintf(stderr, "radiosim: %s%s\n", prefix.c_str(), text.c_str());
      return 1;
    }
  }
  // A memory that could never be saved is told now, not after a session.
  if (!cmd.options.saveFile.empty()) {
    if (const int err = CheckSaveTarget(cmd.options.saveFile); err != 0) {
      const std::string text =
          DataFileFailureMessage({DataFileStatus::CannotWrite, err}, cmd.options.saveFile, true, Language::English);
      std::fprintf(stderr, "radiosim: %s\n", text.c_str());
      return 1;
    }
  }

  CRadioSim sim(memory, cmd.options);
  sim.SetNotice([](const std::string& text) { std::fprintf(stderr, "radiosim: %s\n", text.c_str()); });
  if (cmd.trace) {
    sim.SetTraceSink([](const TraceEntry& e) {
      std::fprintf(stderr, "%10.3f ms  %s %02X\n", static_cast<double>(e.micros) / 1000.0,
                   e.fromPc ? "PC->radio" : "radio->PC", e.byte);
    });
  }
  if (!sim.Open(error)) {
    std::fprintf(stderr, "radiosim: %s\n", error.c_str());
    return 1;
  }
  g_sim = &sim;
  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  std::printf("%s\n", sim.DevicePath().c_str());
  std::fflush(stdout);
  sim.Run();
  g_sim = nullptr;
  return 0;
}
