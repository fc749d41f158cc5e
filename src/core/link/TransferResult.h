#pragma once
// How a transfer ended, as the link reports it: the window, the service
// dialogs, programcli and the texts that tell a user all read this.
#include <string>

#include "core/link/CloneLink.h"
#include "core/link/TransferRanges.h"

enum class TransferOutcome {
  Succeeded,
  PortNotOpened,
  CommunicationError,
  Cancelled,
};

struct TransferProgress {
  int done = 0;             // blocks acknowledged so far
  int total = 0;            // N
  std::string percentText;  // "%d%%" of done * 100 / N
};

struct TransferResult {
  TransferOutcome outcome = TransferOutcome::Succeeded;
  LinkStatus status = LinkStatus::Ok;  // which step failed
  int sysError = 0;                    // OsError code when the port did not open
  Direction direction = Direction::Read;
  int blocksDone = 0;   // acknowledged blocks of a main transfer
  int blocksTotal = 0;  // N
  std::string message;  // for the user, in the language asked for; empty when none is shown
  bool ok() const { return outcome == TransferOutcome::Succeeded; }
};
