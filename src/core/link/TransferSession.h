#pragma once
// A transfer with what the user asked for around it: the serial trace of its
// every pass, the read-back that verifies a Write, the backup of a complete
// Read. The channel window's runner and programcli both run their transfers
// here, so each failure has one rule for both:
//   - a trace that cannot be created stops the transfer before its port
//     opens: nothing is sent;
//   - a trace that fails midway and a backup that cannot be written are told
//     beside the transfer's result, which stands;
//   - a Write whose read-back differs or breaks off has failed; a read-back
//     cancelled is a transfer cancelled.
// It all runs on the caller's thread, on the image it is given.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/files/Backups.h"
#include "core/lang/Language.h"
#include "core/link/TransferDriver.h"
#include "core/link/VerifyWrite.h"
#include "core/link/WireTrace.h"

// The file in the window's trace folder that holds the trace of the last
// transfer.
inline constexpr const char* kLastTransferTraceName = "last-transfer.txt";

struct TransferSteps {
  // Every pass's bytes; null: no trace. A caller with several ports opens
  // each port's trace before the first port opens; else the session does.
  // One session per trace: the session closes it.
  std::shared_ptr<CWireTraceFile> trace;
  bool verify = false;       // read a successful Write back and compare
  // Keep a complete Read there; none: no backup. An empty folder is one
  // that could not be found (no home known): that backup fails, and says so.
  std::optional<std::string> backupFolder;
  std::string port;          // the port as the user named it, for the backup's name
};

enum class TransferPass { Transfer, Verify };

struct TransferHooks {
  // As a pass begins, with its caption ("Write Data", then "Verify").
  std::function<void(TransferPass pass, const std::string& caption)> onPass;
  // The image of a complete Read, before its backup is taken: what the
  // caller keeps of it (programcli's output file) comes first.
  std::function<void(const RadioImage& image)> onRead;
};

enum class SessionOutcome {
  Succeeded,  // the transfer, and its read-back when there was one
  TraceNotCreated,
  PortNotOpened,
  CommunicationError,
  Cancelled,     // the transfer or its read-back
  VerifyFailed,  // the read-back differs or broke off
};

struct TransferSessionResult {
  // The transfer itself. A trace that could not be created leaves it
  // PortNotOpened, with the trace's message.
  TransferResult transfer;
  std::optional<VerifyResult> verify;  // when a Write succeeded with verify asked for
  std::optional<BackupResult> backup;  // when a Read succeeded with a backup folder
  std::string tracePath;               // empty when no trace was asked for
  bool traceCreated = false;           // false with a trace path: nothing was sent
  int traceError = 0;                  // why the trace could not be created or finished
  bool traceLeftOut = false;           // its folder was unsafe: the transfer ran untraced

  SessionOutcome Outcome() const;
  bool ok() const { return Outcome() == SessionOutcome::Succeeded; }
  // The one message a failure shows: the transfer's, else the read-back's;
  // empty for a success and for a cancel.
  std::string FailureMessage() const;
};

// A main Read or Write. Only a complete Read changes `image` (see
// RunMainTransfer); the trace is closed once the line is done.
TransferSessionResult RunTransferSession(const MainTransferRequest& request, const TransferSteps& steps,
                                         RadioImage& image, const TransferHooks& hooks = {});
// A service dialog's Read or Write of one area on the settings given: one
// pass, traced when asked for; no read-back and no backup.
TransferSessionResult RunTransferSession(const ServiceTransferRequest& request, const LinkSettings& settings,
                                         const TransferSteps& steps, RadioImage& image);

// What is told beside the result, whatever it was, in this order: a backup
// that could not be written, a trace that failed midway.
std::vector<std::string> SessionWarnings(const TransferSessionResult& result, Language language);
// The status bar's note after a traced transfer: the trace file, or why it
// was not saved; empty when there is no trace.
std::string TraceNote(const TransferSessionResult& result, Language language);
