#include "cli/LinkVerbs.h"

#include <cstdio>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "core/files/ProgramFolder.h"
#include "core/lang/AnyLanguage.h"
#include "core/link/PortNames.h"
#include "core/os/SaveTarget.h"
#include "core/os/Terminal.h"
#include "core/profile/ProfileFile.h"
#include "core/profile/ProgramProfile.h"

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
  if (const auto named = AnyLanguage([&](Language each) { return value == LanguageName(each); })) {
    language = *named;
    return true;
  }
  UsageError(verb, "--lang takes " + LanguageNameList(" or ") + ", not '" + value + "'");
  return false;
}

CProgressPrinter::CProgressPrinter(const char* caption) : m_caption(caption), m_bTerminal(StandardErrorIsTerminal()) {}

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

std::string TransferFailureText(const TransferResult& result, Language language) {
  std::string text;
  switch (result.outcome) {
    case TransferOutcome::Succeeded: return text;
    case TransferOutcome::PortNotOpened:
    case TransferOutcome::CommunicationError:
      // The lines under the message (the port's cause) are details, as below.
      for (const char c : result.message) text += c == '\n' ? std::string("\n  ") : std::string(1, c);
      break;
    case TransferOutcome::Cancelled: text = CancelledMessage(language); break;
  }
  for (const std::string& line : TransferFailureDetails(result, language)) text += "\n  " + line;
  return text;
}
