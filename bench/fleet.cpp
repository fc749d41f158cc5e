// Times programcli writing to 8 simulated radios at once next to a write to
// one radio, and a verified write next to a plain one, all at 9600 baud.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "RadioSim.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"

extern char** environ;

namespace {

constexpr int kRadios = 8;

// Runs programcli with stdout and stderr on /dev/null; seconds, or -1 when it
// did not succeed.
double TimeProgramcli(const std::string& programcli, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(programcli.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int rc = ::posix_spawn(&pid, programcli.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return -1;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  std::string programcli = PROGRAM_BIN_DIR "/programcli";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::min(100, std::atoi(argv[++i])));
    } else if (std::strcmp(argv[i], "--programcli") == 0 && i + 1 < argc) {
      programcli = argv[++i];
    } else {
      std::fprintf(stderr, "usage: bench_fleet [--runs N] [--programcli PATH]\n");
      return 2;
    }
  }
  char dir[] = "/tmp/bench-fleet.XXXXXX";
  if (!::mkdtemp(dir)) return 1;
  const std::string folder = dir;
  const std::string file = folder + "/image.dat";
  if (!SaveDataFile(file, BuiltInDefaults()).ok()) return 1;

  std::vector<std::unique_ptr<CRadioSim>> radios;
  std::vector<std::string> ports;
  for (int i = 0; i < kRadios; ++i) {
    SimOptions options;
    options.baud = 9600;
    options.linkPath = folder + "/radio" + std::to_string(i + 1);
    radios.push_back(std::make_unique<CRadioSim>(BuiltInDefaults(), options));
    std::string error;
    if (!radios.back()->Open(error)) {
      std::fprintf(stderr, "radiosim: %s\n", error.c_str());
      return 1;
    }
    radios.back()->Start();
    ports.push_back(options.linkPath);
  }

  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::vector<double> times;
  };
  std::vector<std::string> fleet = {"write"};
  for (const std::string& p : ports) fleet.insert(fleet.end(), {"--port", p});
  fleet.push_back(file);
  Case cases[] = {
      {"write, 1 radio", {"write", "--port", ports[0], file}, {}},
      {"write, 8 radios", fleet, {}},
      {"write --verify, 1 radio", {"write", "--port", ports[0], file, "--verify"}, {}},
  };
  bool ok = true;
  // Interleaved, so that a slow moment of the machine touches every case.
  for (int r = 0; r < runs; ++r) {
    for (Case& c : cases) {
      const double t = TimeProgramcli(programcli, c.args);
      if (t < 0) {
        std::fprintf(stderr, "%s failed\n", c.name);
        ok = false;
      }
      c.times.push_back(t);
    }
  }
  for (auto& r : radios) r->Stop();
  radios.clear();
  ::unlink(file.c_str());
  ::rmdir(dir);
  if (!ok) return 1;

  std::printf("case                      runs  best (s)  median (s)\n");
  for (const Case& c : cases)
    std::printf("%-24s  %4d  %8.3f  %10.3f\n", c.name, runs, *std::min_element(c.times.begin(), c.times.end()),
                Median(c.times));
  const double fleetRatio = Median(cases[1].times) / Median(cases[0].times);
  const double verifyRatio = Median(cases[2].times) / Median(cases[0].times);
  std::printf("8 radios / 1 radio: %.3f (target <= 1.15 -> %s)\n", fleetRatio, fleetRatio <= 1.15 ? "met" : "NOT met");
  std::printf("verified / plain write: %.3f\n", verifyRatio);
  return 0;
}
