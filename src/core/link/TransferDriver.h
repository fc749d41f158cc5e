#pragma once
// A whole transfer without any window: open, handshake, every block, close.
// The channel window, the service dialogs and programcli all run this.
#include <functional>
#include <string>

#include "core/link/CloneLink.h"
#include "core/link/LinkSettings.h"
#include "core/link/TransferRanges.h"
#include "core/link/TransferTexts.h"
#include "core/radio/RadioImage.h"

enum class TransferOutcome {
  Succeeded,
  PortNotOpened,
  CommunicationError,
  Cancelled,
};

struct TransferProgress {
  int done = 0;   // blocks acknowledged so far
  int total = 0;  // N
  std::string percentText;  // "%d%%" of done * 100 / N
};

struct TransferResult {
  TransferOutcome outcome = TransferOutcome::Succeeded;
  LinkStatus status = LinkStatus::Ok;  // which step failed
  int sysError = 0;                    // errno when the port did not open
  Direction direction = Direction::Read;
  int blocksDone = 0;   // acknowledged blocks of a main transfer
  int blocksTotal = 0;  // N
  std::string message;  // for the user, in the language asked for; empty when none is shown
  bool ok() const { return outcome == TransferOutcome::Succeeded; }
};

struct MainTransferRequest {
  std::string device;
  Direction direction = Direction::Read;
  bool serviceMode = false;
  bool chinese = false;
  LinkSettings settings = MainLinkSettings();
  // Empty: the main ranges of the direction. The verify step reads back
  // exactly what a Write sent.
  Ranges ranges;
  std::function<void(const TransferProgress&)> onProgress;
  // Asked after every block and between handshake attempts.
  std::function<bool()> isCancelled;
  WireTap tap;
  CBytePort* port = nullptr;  // null: the serial device named above
};

// A Read fills a copy of the image, which replaces the transferred bytes only
// once the last block succeeded: a failed or cancelled Read leaves `image`
// exactly as it was. The port is closed in every outcome.
TransferResult RunMainTransfer(const MainTransferRequest& request, RadioImage& image);

struct ServiceTransferRequest {
  std::string device;
  Direction direction = Direction::Read;
  ServiceArea area = ServiceArea::PowerTable;
  bool chinese = false;
  WireTap tap;
  CBytePort* port = nullptr;  // null: the serial device named above
};

// The power and parameter dialogs' own Read and Write: one range, the
// service link settings, no progress and no cancel. Success has a message too.
TransferResult RunServiceTransfer(const ServiceTransferRequest& request, RadioImage& image);
// The same with the settings given, for tests that cannot wait seconds.
TransferResult RunServiceTransfer(const ServiceTransferRequest& request, const LinkSettings& settings,
                                  RadioImage& image);

std::string PercentText(int done, int total);
