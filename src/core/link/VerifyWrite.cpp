#include "core/link/VerifyWrite.h"

#include <cstdio>

#include "core/link/TransferTexts.h"

namespace {

// Offset of the block with index `index` (0-based) in the ranges, or the end
// of the last range when there are fewer blocks.
std::uint16_t BlockStart(const Ranges& ranges, int index) {
  std::uint16_t last = 0;
  for (const AddressRange& r : ranges) {
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end))
      if (index-- == 0) return static_cast<std::uint16_t>(a);
    last = r.end;
  }
  return last;
}

}  // namespace

VerifyResult VerifyWrite(const MainTransferRequest& write, const RadioImage& written) {
  MainTransferRequest read = write;
  read.direction = Direction::Read;
  read.ranges = write.ranges.empty() ? MainTransferRanges(Direction::Write, write.serviceMode) : write.ranges;
  // The read-back fills only the ranges; everything else keeps the written
  // bytes and so cannot differ.
  RadioImage radio = written;

  VerifyResult result;
  result.readBack = RunMainTransfer(read, radio);
  char text[512];
  switch (result.readBack.outcome) {
    case TransferOutcome::Cancelled: result.outcome = VerifyOutcome::Cancelled; return result;
    case TransferOutcome::Succeeded: break;
    default:
      result.outcome = VerifyOutcome::ReadBackFailed;
      result.address = BlockStart(read.ranges, result.readBack.blocksDone);
      std::snprintf(text, sizeof text, kVerifyReadBackFailedText(write.language), result.address,
                    result.readBack.message.c_str());
      result.message = text;
      return result;
  }
  for (std::size_t a = 0; a < radio.size(); ++a) {
    if (radio[a] == written[a]) continue;
    if (result.differingBytes++ > 0) continue;
    result.address = static_cast<std::uint16_t>(a);
    result.radioByte = radio[a];
    result.writtenByte = written[a];
  }
  if (result.differingBytes == 0) return result;
  result.outcome = VerifyOutcome::Differs;
  std::snprintf(text, sizeof text, kVerifyDiffersText(write.language), result.address, result.radioByte,
                result.writtenByte, result.differingBytes);
  result.message = text;
  return result;
}
