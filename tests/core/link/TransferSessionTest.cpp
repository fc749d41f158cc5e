// The transfer session's rules, which the window and programcli both show:
// a trace that cannot be had stops the transfer before anything is sent; a
// trace failing midway and a backup that cannot be written are told beside a
// result that stands; a Write is read back only once it succeeded, and what
// the read-back finds decides.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fstream>

#include "core/link/SimHarness.h"
#include "core/link/TransferSession.h"

namespace {

// InASharedFolder, Shared: the program's own folders below one anyone may write.
enum class Trace { None, InItsOwnFolder, InAMissingFolder, FailsMidway, InASharedFolder };
enum class Backup { None, Kept, Blocked, Shared, NoHome };

struct SessionCase {
  const char* name;
  bool service;  // a service dialog's transfer of the power table
  Direction direction;
  const char* fault;  // as radiosim's --fault takes it
  bool verify;
  bool cancelReadBack;
  Trace trace;
  Backup backup;
  SessionOutcome outcome;
  const char* passes;    // the captions the session announced, '|' between
  const char* headers;   // the trace's "# " lines without the device, '|' between
  const char* warnings;  // a part of each warning, '|' between
  const char* failure;   // a part of FailureMessage; "" for none
};

void PrintTo(const SessionCase& c, std::ostream* os) { *os << c.name; }

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& p : parts) text += (text.empty() ? "" : "|") + p;
  return text;
}

// Each text holds its part of `expected`, in order.
void ExpectParts(const std::vector<std::string>& texts, const std::string& expected) {
  std::vector<std::string> parts;
  for (std::size_t at = 0; !expected.empty() && at <= expected.size();) {
    const std::size_t bar = std::min(expected.find('|', at), expected.size());
    parts.push_back(expected.substr(at, bar - at));
    at = bar + 1;
  }
  ASSERT_EQ(texts.size(), parts.size()) << Joined(texts);
  for (std::size_t i = 0; i < parts.size(); ++i) EXPECT_NE(texts[i].find(parts[i]), std::string::npos) << texts[i];
}

// A file size limit far below a trace, far above a data file.
class CFileSizeLimit {
 public:
  explicit CFileSizeLimit(bool on) : m_bOn(on) {
    if (!m_bOn) return;
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit small = m_old;
    small.rlim_cur = 2048;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~CFileSizeLimit() {
    if (!m_bOn) return;
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }

 private:
  bool m_bOn;
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

class TransferSessionCase : public ::testing::TestWithParam<SessionCase> {};

TEST_P(TransferSessionCase, OneRuleForEveryFailure) {
  const SessionCase& c = GetParam();
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (*c.fault) ASSERT_TRUE(ApplyFault(c.fault, options.faults, error)) << error;
  CSimHarness h(PatternImage(1), options);
  const std::string traceFolder = h.dir().file(c.trace == Trace::InAMissingFolder  ? "none"
                                               : c.trace == Trace::InASharedFolder ? "shared/cache"
                                                                                   : "cache") +
                                  "/";
  const std::string backupFolder = h.dir().file(c.backup == Backup::Shared ? "shared/data" : "data") + "/";
  ASSERT_EQ(::mkdir(h.dir().file("shared").c_str(), 0777), 0);
  ASSERT_EQ(::chmod(h.dir().file("shared").c_str(), 0777), 0);
  if (c.backup == Backup::Blocked) h.dir().Write("data", "a file where the folder belongs");

  TransferSteps steps;
  if (c.trace != Trace::None)
    steps.trace =
        std::make_shared<CWireTraceFile>(traceFolder + kLastTransferTraceName,
                                         c.trace == Trace::InAMissingFolder ? CWireTraceFile::Folder::MustExist
                                                                            : CWireTraceFile::Folder::MadeWhenMissing);
  steps.verify = c.verify;
  if (c.backup != Backup::None) steps.backupFolder = c.backup == Backup::NoHome ? "" : backupFolder;
  steps.port = "COM1";

  std::vector<std::string> passes;
  bool readBackRunning = false;
  bool readTakenBeforeBackup = false;
  TransferHooks hooks;
  hooks.onPass = [&](TransferPass pass, const std::string& caption) {
    passes.push_back(caption);
    readBackRunning = pass == TransferPass::Verify;
  };
  hooks.onRead = [&](const RadioImage&) { readTakenBeforeBackup = ListBackups(backupFolder).empty(); };

  RadioImage image = PatternImage(2);
  TransferSessionResult r;
  {
    CFileSizeLimit limit(c.trace == Trace::FailsMidway);
    if (c.service) {
      ServiceTransferRequest request;
      request.device = h.device();
      request.direction = c.direction;
      r = RunTransferSession(request, FastLinkSettings(ServiceLinkSettings(c.direction == Direction::Write)), steps,
                             image);
    } else {
      MainTransferRequest request;
      request.device = h.device();
      request.direction = c.direction;
      request.settings = FastLinkSettings();
      request.isCancelled = [&] { return c.cancelReadBack && readBackRunning; };
      r = RunTransferSession(request, steps, image, hooks);
    }
  }

  EXPECT_EQ(r.Outcome(), c.outcome);
  EXPECT_EQ(r.ok(), c.outcome == SessionOutcome::Succeeded);
  EXPECT_EQ(Joined(passes), c.passes);
  ExpectParts(SessionWarnings(r, Language::English), c.warnings);
  const std::string failure = r.FailureMessage();
  ExpectParts(failure.empty() ? std::vector<std::string>() : std::vector<std::string>{failure}, c.failure);
  if (c.outcome == SessionOutcome::TraceNotCreated) EXPECT_TRUE(h.FromPc().empty()) << "the radio was spoken to";

  std::vector<std::string> headers;
  std::ifstream file(traceFolder + kLastTransferTraceName);
  for (std::string line; std::getline(file, line);)
    if (line.rfind("# ", 0) == 0) headers.push_back(line.substr(0, line.size() - h.device().size() - 1));
  EXPECT_EQ(Joined(headers), c.headers);

  // A complete Read is kept, after what the caller keeps of it; nothing else is.
  const bool completeRead = !c.service && c.direction == Direction::Read && r.transfer.ok();
  EXPECT_EQ(ListBackups(backupFolder).size(), completeRead && c.backup == Backup::Kept ? 1u : 0u);
  EXPECT_EQ(readTakenBeforeBackup, completeRead);
}

constexpr auto R = Direction::Read;
constexpr auto W = Direction::Write;
constexpr auto kOk = SessionOutcome::Succeeded;
constexpr const char* kNotCreated = "cannot be written: No such file or directory. Nothing was sent.";
constexpr const char* kNotSaved = "was not saved: File too large.";

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferSessionCase,
    ::testing::Values(
        SessionCase{"read_traced_and_kept", false, R, "", false, false, Trace::InItsOwnFolder, Backup::Kept, kOk,
                    "Read Data", "# Read Data", "", ""},
        SessionCase{"trace_in_a_missing_folder_sends_nothing", false, W, "", true, false, Trace::InAMissingFolder,
                    Backup::None, SessionOutcome::TraceNotCreated, "", "", "", kNotCreated},
        SessionCase{"trace_failing_midway_is_told_and_the_write_stands", false, W, "", true, false, Trace::FailsMidway,
                    Backup::None, kOk, "Write Data|Verify", "", kNotSaved, ""},
        SessionCase{"no_home_no_backup_and_told", false, R, "", false, false, Trace::None, Backup::NoHome, kOk,
                    "Read Data", "", "No backup was saved: no home folder is known", ""},
        SessionCase{"backup_then_trace_told_and_the_read_stands", false, R, "", false, false, Trace::FailsMidway,
                    Backup::Blocked, kOk, "Read Data", "", "No backup was saved|was not saved", ""},
        SessionCase{"shared_folders_take_no_trace_nor_backup_and_the_read_stands", false, R, "", false, false,
                    Trace::InASharedFolder, Backup::Shared, kOk, "Read Data", "",
                    "No backup was saved|was not saved: the folder, or one above it, can be written by another user",
                    ""},
        SessionCase{"read_with_verify_on_is_not_read_back", false, R, "", true, false, Trace::InItsOwnFolder,
                    Backup::None, kOk, "Read Data", "# Read Data", "", ""},
        SessionCase{"verified_write", false, W, "", true, false, Trace::InItsOwnFolder, Backup::Kept, kOk,
                    "Write Data|Verify", "# Write Data|# Verify", "", ""},
        SessionCase{"dropped_block_fails_the_read_back", false, W, "drop-block:5", true, false, Trace::None,
                    Backup::None, SessionOutcome::VerifyFailed, "Write Data|Verify", "", "", "Verify failed: at 0x040"},
        SessionCase{"read_back_cancelled", false, W, "", true, true, Trace::None, Backup::None,
                    SessionOutcome::Cancelled, "Write Data|Verify", "", "", ""},
        SessionCase{"failed_write_is_not_read_back", false, W, "refuse-block:3", true, false, Trace::InItsOwnFolder,
                    Backup::None, SessionOutcome::CommunicationError, "Write Data", "# Write Data", "",
                    "Communication Error"},
        SessionCase{"failed_read_is_not_kept", false, R, "short-block:3", false, false, Trace::None, Backup::Kept,
                    SessionOutcome::CommunicationError, "Read Data", "", "", "Communication Error"},
        SessionCase{"service_read_traced_never_kept", true, R, "", true, false, Trace::InItsOwnFolder, Backup::Kept,
                    kOk, "", "# Read Data", "", ""}),
    [](const ::testing::TestParamInfo<SessionCase>& i) { return std::string(i.param.name); });

}  // namespace
