#pragma once
// Verify after write: read back, with a handshake of its own, exactly the
// ranges a Write sent and compare them with what was sent. A radio that
// acknowledged a block it did not keep is found here, not in the field.
#include <cstdint>
#include <string>

#include "core/link/TransferDriver.h"
#include "core/radio/RadioImage.h"

enum class VerifyOutcome {
  Matched,
  Differs,         // the read-back succeeded but holds other bytes
  ReadBackFailed,  // the port did not open or the read-back broke off
  Cancelled,
};

struct VerifyResult {
  VerifyOutcome outcome = VerifyOutcome::Matched;
  TransferResult readBack;  // the read-back's own result
  // Differs: the first address that differs and its two bytes.
  // ReadBackFailed: the address of the block the read-back stopped at.
  std::uint16_t address = 0;
  std::uint8_t radioByte = 0;
  std::uint8_t writtenByte = 0;
  int differingBytes = 0;  // Differs: how many bytes of the ranges differ
  std::string message;     // for the user; empty for Matched and Cancelled
  bool ok() const { return outcome == VerifyOutcome::Matched; }
};

// `write` is the request the Write ran with (its device, settings, service
// mode and ranges); its progress and cancel callbacks serve the read-back.
// `written` is the image the Write sent. Call it only after a successful Write.
VerifyResult VerifyWrite(const MainTransferRequest& write, const RadioImage& written);
