#include "cli/LinkVerbs.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "core/files/ProgramFolder.h"
#include "core/files/SaveTarget.h"
#include "core/link/PortNames.h"
#include "core/link/PortProbe.h"
#include "core/profile/ProfileFile.h"
#include "core/profile/ProgramProfile.h"

namespace {

// Read by every port thread of a fleet run; a lock-free atomic is both
// signal-safe and free of a data race.
std::atomic<bool> g_interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);
struct sigaction g_previous {};

extern "C" void OnInterrupt(int) { g_interrupted = true; }

}  // namespace

void LoadProgramProfile(CProfileFile& profile) {
  const std::string path = ProgramProfilePaths(ProgramFolder()).read;
  if (!PathExists(path)) return;
  // The verb goes on without it, as without any Program.ini, but not in silence.
  if (!profile.Load(path, ProfileOptions::IgnoreCase) && profile.LoadError() != 0)
    std::fprintf(stderr, "programcli: %s\n",
                 ProfileLoadFailureText(path, profile.LoadError(), Language::English).c_str());
}

bool ResolvePortForVerb(const char* verb, const std::string& port, std::string& device) {
  CProfileFile profile;
  LoadProgramProfile(profile);
  device = ResolvePortArgument(port, profile);
  if (!device.empty()) return true;
  UsageError(verb, "'" + port +
                       "' is no port: give COM1-COM16 or a device path such as /dev/ttyUSB0 "
                       "(./NAME for one in the working folder)");
  return false;
}

bool ParseLangOption(const char* verb, const std::string& value, Language& language) {
  for (Language each : {Language::English, Language::Chinese}) {
    if (value != LanguageName(each)) continue;
    language = each;
    return true;
  }
  UsageError(verb, "--lang takes English or Chinese, not '" + value + "'");
  return false;
}

CInterruptCatcher::CInterruptCatcher() {
  g_interrupted = false;
  struct sigaction sa {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  ::sigaction(SIGINT, &sa, &g_previous);
}

CInterruptCatcher::~CInterruptCatcher() { ::sigaction(SIGINT, &g_previous, nullptr); }

bool CInterruptCatcher::Interrupted() { return g_interrupted; }

CProgressPrinter::CProgressPrinter(const char* caption)
    : m_caption(caption), m_bTerminal(::isatty(STDERR_FILENO) == 1) {}

void CProgressPrinter::Show(const TransferProgress& progress) {
  if (progress.percentText == m_strLast) return;
  m_strLast = progress.percentText;
  if (!m_bTerminal) {
    std::fprintf(stderr, "%s\n", progress.percentText.c_str());
    return;
  }
  constexpr int kWidth = 40;
  const int filled = progress.total > 0 ? progress.done * kWidth / progress.total : 0;
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kWidth - filled), '.');
  std::fprintf(stderr, "\r%s [%s] %4s", m_caption, bar.c_str(), progress.percentText.c_str());
  std::fflush(stderr);
  m_bShown = true;
}

void CProgressPrinter::Finish() {
  if (m_bTerminal && m_bShown) std::fputc('\n', stderr);
  m_bShown = false;
}

int TransferExitStatus(TransferOutcome outcome) {
  switch (outcome) {
    case TransferOutcome::Succeeded: return kExitOk;
    case TransferOutcome::PortNotOpened: return kExitPortNotOpened;
    case TransferOutcome::CommunicationError: return kExitCommunication;
    case TransferOutcome::Cancelled: return kExitCancelled;
  }
  return kExitFailure;
}

std::string TransferFailureText(const TransferResult& result, const std::string& device, Language language) {
  std::string text;
  switch (result.outcome) {
    case TransferOutcome::Succeeded: return text;
    case TransferOutcome::PortNotOpened:
      text =
          result.message + "\n  " + device + ": " + DescribeProbe(ClassifyOpenError(device, result.sysError), language);
      break;
    case TransferOutcome::CommunicationError: text = result.message; break;
    case TransferOutcome::Cancelled: text = CancelledMessage(language); break;
  }
  for (const std::string& line : TransferFailureDetails(result, language)) text += "\n  " + line;
  return text;
}
