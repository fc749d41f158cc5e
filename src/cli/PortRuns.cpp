#include "cli/PortRuns.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "cli/CliArgs.h"
#include "cli/CliTexts.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/VerbFiles.h"
#include "core/files/Backups.h"
#include "core/lang/Language.h"
#include "core/os/DeviceIdentity.h"
#include "core/os/Terminal.h"
#include "core/radio/NumberText.h"

namespace {

// Columns on a terminal: CJK characters take two.
std::size_t DisplayWidth(const std::string& text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte
    width += c >= 0xE1 ? 2 : 1;        // three- and four-byte forms: U+1000 and up
  }
  return width;
}

std::string Padded(const std::string& text, std::size_t width) {
  const std::size_t w = DisplayWidth(text);
  return w >= width ? text : text + std::string(width - w, ' ');
}

std::string OneLine(std::string text) {
  for (std::size_t at; (at = text.find("\n ")) != std::string::npos;) {
    std::size_t end = at + 1;
    while (end < text.size() && text[end] == ' ') ++end;
    text.replace(at, end - at, "; ");
  }
  return text;
}

std::string Seconds(double seconds) { return FormatFixed(seconds, 1) + " s"; }

// One line per port on stderr, redrawn in place on a terminal; elsewhere a
// "PORT: Caption NN%" line for each tenth of a port's step.
class CProgressBoard {
 public:
  CProgressBoard(const std::vector<PortTask>& tasks, Language language)
      : m_bTerminal(StandardErrorIsTerminal()), m_last(tasks.size()) {
    for (const PortTask& t : tasks) m_width = std::max(m_width, DisplayWidth(t.port));
    for (const PortTask& t : tasks) m_ports.push_back(Padded(t.port, m_width));
    if (!m_bTerminal) return;
    for (const std::string& port : m_ports) std::fprintf(stderr, "%s  %s\n", port.c_str(), kPortWaiting(language));
    std::fflush(stderr);
  }

  void Show(std::size_t i, const std::string& caption, const TransferProgress& p) {
    std::lock_guard<std::mutex> lock(m_mutex);
    // Off a terminal, a line for each tenth of each step is plenty.
    const std::string key =
        caption + " " + (m_bTerminal ? p.percentText : std::to_string(p.total > 0 ? p.done * 10 / p.total : 0));
    if (key == m_last[i]) return;
    m_last[i] = key;
    if (!m_bTerminal) {
      std::fprintf(stderr, "%s: %s %s\n", m_ports[i].substr(0, m_ports[i].find_last_not_of(' ') + 1).c_str(),
                   caption.c_str(), p.percentText.c_str());
      return;
    }
    constexpr int kBar = 30;
    const int filled = p.total > 0 ? p.done * kBar / p.total : 0;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBar - filled), '.');
    const int up = static_cast<int>(m_ports.size() - i);
    std::fprintf(stderr, "\x1b[%dA\r%s  %s [%s] %4s\x1b[K\x1b[%dB\r", up, m_ports[i].c_str(),
                 Padded(caption, 10).c_str(), bar.c_str(), p.percentText.c_str(), up);
    std::fflush(stderr);
  }

 private:
  bool m_bTerminal;
  std::size_t m_width = 0;
  std::vector<std::string> m_ports;
  std::vector<std::string> m_last;
  std::mutex m_mutex;
};

int RunOnePort(const char* verb, const PortTask& task, const PortJob& job) {
  std::unique_ptr<CProgressPrinter> printer;
  std::string caption;
  const PortReport report = job(task, [&](const std::string& c, const TransferProgress& p) {
    if (!printer || c != caption) {
      if (printer) printer->Finish();
      caption = c;
      printer = std::make_unique<CProgressPrinter>(caption.c_str());
    }
    printer->Show(p);
  });
  if (printer) printer->Finish();
  for (const std::string& warning : report.warnings) std::fprintf(stderr, "programcli %s: %s\n", verb, warning.c_str());
  if (!report.failure.empty()) std::fprintf(stderr, "programcli %s: %s\n", verb, report.failure.c_str());
  return report.status;
}

int RunManyPorts(const char* verb, const std::vector<PortTask>& tasks, Language language, const PortJob& job) {
  CProgressBoard board(tasks, language);
  std::vector<PortReport> reports(tasks.size());
  std::vector<double> seconds(tasks.size());
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    auto run = [&, i] {
      const auto start = std::chrono::steady_clock::now();
      reports[i] = job(tasks[i], [&board, i](const std::string& c, const TransferProgress& p) { board.Show(i, c, p); });
      seconds[i] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    try {
      threads.emplace_back(run);
    } catch (const std::system_error&) {
      run();  // no thread to be had: this port waits its turn
    }
  }
  for (std::thread& t : threads) t.join();

  std::size_t portWidth = DisplayWidth(kPortColumnTitle(language));
  std::size_t outcomeWidth = DisplayWidth(kOutcomeColumnTitle(language));
  std::vector<std::string> outcomes;
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    outcomes.push_back(OneLine(reports[i].outcome));
    portWidth = std::max(portWidth, DisplayWidth(tasks[i].port));
    outcomeWidth = std::max(outcomeWidth, DisplayWidth(outcomes.back()));
  }
  std::string table = Padded(kPortColumnTitle(language), portWidth) + "  " +
                      Padded(kOutcomeColumnTitle(language), outcomeWidth) + "  " + kTimeColumnTitle(language) + "\n";
  for (std::size_t i = 0; i < tasks.size(); ++i)
    table +=
        Padded(tasks[i].port, portWidth) + "  " + Padded(outcomes[i], outcomeWidth) + "  " + Seconds(seconds[i]) + "\n";
  // The same warning from every port (one backup folder for all) is told once.
  std::set<std::string> told;
  for (const PortReport& r : reports)
    for (const std::string& warning : r.warnings)
      if (told.insert(warning).second) std::fprintf(stderr, "programcli %s: %s\n", verb, warning.c_str());
  int status = kExitOk;
  for (const PortReport& r : reports)
    if (status == kExitOk) status = r.status;
  const int written = WriteOutput(verb, table);
  return status != kExitOk ? status : written;
}

}  // namespace

bool CollectPortTasks(const char* verb, const std::vector<std::string>& ports, const std::string& trace,
                      bool filePerPort, std::vector<PortTask>& tasks) {
  filePerPort = filePerPort || !trace.empty();
  std::map<std::string, std::string> devices;  // identity to the port that named it
  std::set<std::string> stems;
  for (const std::string& port : ports) {
    PortTask task;
    task.port = port;
    if (!ResolvePortForVerb(verb, port, task.device)) return false;
    const auto [earlier, added] = devices.emplace(DeviceIdentity(task.device), port);
    if (!added) {
      UsageError(verb, "'" + port + "' is the same device as '" + earlier->second + "', given before");
      return false;
    }
    if (filePerPort && !stems.insert(PortFileStem(port)).second) {
      UsageError(verb, "'" + port + "' would share its file names with another port; give the port another way");
      return false;
    }
    task.trace = trace.empty() ? "" : TracePathForPort(trace, port, ports.size() > 1);
    tasks.push_back(task);
  }
  return true;
}

int RunOnPorts(const char* verb, const std::vector<PortTask>& tasks, Language language, const PortJob& job) {
  CInterruptCatcher interrupt;
  if (tasks.size() == 1) return RunOnePort(verb, tasks.front(), job);
  return RunManyPorts(verb, tasks, language, job);
}

std::string TracePathForPort(const std::string& trace, const std::string& port, bool severalPorts) {
  if (!severalPorts) return trace;
  const std::size_t slash = trace.rfind('/');
  std::size_t dot = trace.rfind('.');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  if (dot == std::string::npos || dot <= nameStart) dot = trace.size();
  return trace.substr(0, dot) + "-" + PortFileStem(port) + trace.substr(dot);
}
