#pragma once
// A whole transfer without any window: open, handshake, every block, close.
// The channel window, the service dialogs and programcli all run this.
#include <functional>
#include <string>

#include "core/lang/Language.h"
#include "core/link/CloneLink.h"
#include "core/link/LinkSettings.h"
#include "core/link/TransferRanges.h"
#include "core/link/TransferResult.h"
#include "core/link/TransferTexts.h"
#include "core/radio/RadioImage.h"

struct MainTransferRequest {
  std::string device;
  Direction direction = Direction::Read;
  bool serviceMode = false;
  Language language = Language::English;
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
  Language language = Language::English;
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
