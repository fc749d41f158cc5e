#pragma once
// A Read or Write of the channel window with what the user asked for around
// it: the serial trace of the whole run, the read-back of a Write, the
// backup of a complete Read. It all runs on the link's thread, on the copy
// of the image the link works on, so the window stays responsive; the
// document is the caller's to update afterwards.
#include <functional>
#include <optional>
#include <string>

#include "core/link/TransferDriver.h"
#include "core/link/VerifyWrite.h"
#include "core/files/Backups.h"

// The file in the trace folder that holds the trace of the last transfer.
inline constexpr const char* kLastTransferTraceName = "last-transfer.txt";

struct WindowTransferSteps {
  bool verify = false;       // read a successful Write back and compare
  std::string traceFolder;   // keep the trace there; empty: no trace
  std::string backupFolder;  // keep a complete Read there; empty: no backup
  std::string port;          // the port as the user chose it, for the backup's name
};

struct WindowTransferResult {
  TransferResult transfer;
  std::optional<VerifyResult> verify;  // when a Write succeeded with verify on
  std::optional<BackupResult> backup;  // when a Read succeeded with a backup folder
  std::string tracePath;               // empty when no trace was asked for
  bool traceCreated = false;           // false: nothing was sent for want of the trace
  int traceError = 0;                  // why the trace could not be created or finished

  // The transfer succeeded, and so did its read-back when there was one.
  bool ok() const { return transfer.ok() && (!verify || verify->ok()); }
  // The one message a failure shows: the transfer's, else the read-back's;
  // empty for a success and for a cancel.
  std::string FailureMessage() const;
};

// `onVerify` is called on the link's thread as the read-back begins.
WindowTransferResult RunWindowTransfer(const MainTransferRequest& request, RadioImage& image,
                                       const WindowTransferSteps& steps,
                                       const std::function<void()>& onVerify = {});

// The status bar's note after a traced transfer: the trace file, or why it
// was not saved; empty when there is no trace.
std::string TraceNote(const WindowTransferResult& result, bool chinese);
// Told beside the transfer's own result when its trace failed midway.
std::string TraceWarning(const WindowTransferResult& result, bool chinese);
