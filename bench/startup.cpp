// Times the start of the program up to its first painted main window, against
// a bare QMainWindow started the same way, in the same run. Each start is a
// process of its own (this program run again with a role), timed from just
// before it is spawned to the end of the first paint of its main window.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gui/app/ProgramApp.h"

extern char** environ;

namespace {

long long NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Prints the time once the first paint of a main window has been flushed,
// then ends the process without tearing anything down.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!m_bSeen && event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched) != nullptr) {
      m_bSeen = true;
      QTimer::singleShot(0, [] {
        std::printf("%lld\n", NowNs());
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  bool m_bSeen = false;
};

int RunChild(int argc, char** argv, const std::string& role, const std::string& folder) {
  // A start that waits for a person (a message box about a wrong program
  // folder) ends as a failed start instead of holding up the benchmark.
  ::alarm(20);
  FirstPaint watcher;
  if (role == "bare" || role == "texts") {
    QApplication application(argc, argv);
    application.installEventFilter(&watcher);
    QMainWindow window;
    window.resize(900, 550);
    // A window that shows any text pays for loading the fonts; a bare one
    // never does.
    if (role == "texts") {
      window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
      window.statusBar()->showMessage(QStringLiteral("Ready"));
    }
    window.showMaximized();
    return QApplication::exec();
  }
  CProgramApp app(argc, argv);
  qApp->installEventFilter(&watcher);
  if (!app.InitInstance(folder, {})) return 1;
  return app.Run();
}

struct StartTime {
  double wall = -1;  // spawn to the end of the first paint, seconds; negative: failed
  double cpu = 0;    // the processor time the child used until then
};

// Starts this program as a child with `role` and times it. The processor
// time hardly depends on what else the machine is doing; the wall time does.
StartTime TimeStart(const char* self, const char* role, const std::string& folder) {
  int out[2];
  if (::pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's notes about the platform would drown the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const char* args[] = {self, "--child", role, folder.c_str(), nullptr};
  pid_t pid = 0;
  const long long start = NowNs();
  const int spawned = posix_spawn(&pid, self, &actions, nullptr, const_cast<char**>(args), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) {
    ::close(out[0]);
    return {};
  }
  std::string text;
  char buffer[64];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  struct rusage usage {};
  ::wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) return {};
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return {static_cast<double>(std::atoll(text.c_str()) - start) / 1e9,
          seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--child") == 0) {
    int childArgc = 1;
    return RunChild(childArgc, argv, argv[2], argv[3]);
  }
  int runs = 15;
  std::string folder = PROGRAM_BIN_DIR "/";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::min(200, std::atoi(argv[++i])));
    } else if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
      folder = std::string(argv[++i]) + "/";
    } else {
      std::fprintf(stderr, "usage: bench_startup [--runs N] [--folder PROGRAM_FOLDER]\n");
      return 2;
    }
  }
  // Without a display the windows are drawn off screen, as in the tests.
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  // A settings folder of its own, so that nothing of the user's is read or written.
  char config[] = "/tmp/bench-startup.XXXXXX";
  if (::mkdtemp(config) == nullptr) return 1;
  ::setenv("XDG_CONFIG_HOME", config, 1);

  // Alternate the three, so that a slower moment of the machine hits all.
  const char* const roles[] = {"bare", "texts", "program"};
  const char* const names[] = {"bare QMainWindow", "QMainWindow with menu and status text", "program"};
  std::vector<double> wall[3];
  std::vector<double> cpu[3];
  // The first round only warms the file cache.
  for (int i = -1; i < runs; ++i)
    for (int r = 0; r < 3; ++r) {
      const StartTime t = TimeStart(argv[0], roles[r], folder);
      if (t.wall < 0) {
        std::fprintf(stderr, "a start failed (program folder %s)\n", folder.c_str());
        return 1;
      }
      if (i < 0) continue;
      wall[r].push_back(t.wall);
      cpu[r].push_back(t.cpu);
    }
  auto median = [](std::vector<double>& v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  double wallMedian[3];
  double cpuMedian[3];
  std::printf("platform: %s, runs: %d\n", platform != nullptr ? platform : "(default)", runs);
  std::printf("start to first painted main window      wall best  wall median  cpu median (s)\n");
  for (int r = 0; r < 3; ++r) {
    wallMedian[r] = median(wall[r]);
    cpuMedian[r] = median(cpu[r]);
    std::printf("%-38s %9.3f  %11.3f  %10.3f\n", names[r], wall[r].front(), wallMedian[r], cpuMedian[r]);
  }
  const double ratio = wallMedian[2] / wallMedian[0];
  std::printf("program / bare: wall %.3f, cpu %.3f; target <= 1.2 -> %s\n", ratio, cpuMedian[2] / cpuMedian[0],
              ratio <= 1.2 ? "met" : "NOT met");
  std::printf("program / with texts: wall %.3f, cpu %.3f\n", wallMedian[2] / wallMedian[1],
              cpuMedian[2] / cpuMedian[1]);
  // The bare window never starts the font system; any window with a word in
  // it does. That part of the program's lead is not the program's own.
  const double fontsCpu = cpuMedian[1] - cpuMedian[0];
  std::printf("font system start (with texts - bare): wall %.3f s, cpu %.3f s = %.0f%% of the program's cpu lead\n",
              wallMedian[1] - wallMedian[0], fontsCpu, 100.0 * fontsCpu / (cpuMedian[2] - cpuMedian[0]));
  ::rmdir(config);
  return 0;
}
