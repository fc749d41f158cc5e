// Arbitrary bytes as everything a radio (or a broken cable) can answer: the
// main and the service transfers, in both directions, run over a scripted line
// whose time-outs expire at once, and every outcome is checked.
//
// Input: a flags byte, a cancel byte, then the replies. Flags: 0x01 write,
// 0x02 service transfer, 0x04 service mode (main) or parameter area
// (service), 0x08 the other transfer's link settings, 0x10 the port does not
// open, 0x20 Chinese, 0x40 cancelled from the start. Cancel byte: the main
// transfer is cancelled after that many blocks (0: never). Each reply is a
// byte, length in its low six bits, 0x40 for "it arrives late" and 0x80 for
// "the line drops after it", then its bytes; every write of the PC lets the
// next reply arrive.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/link/TransferDriver.h"
#include "fuzz/FuzzEntries.h"
#include "support/ScriptedPort.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "FuzzCloneLink: %s\n", what);
  std::abort();
}

struct Case {
  bool write = false;
  bool service = false;
  bool serviceModeOrParamArea = false;
  bool otherSettings = false;
  bool openFails = false;
  Language language = Language::English;
  bool cancelAtOnce = false;
  int cancelAfter = 0;
  std::vector<ScriptedReply> script;
  std::size_t scriptBytes = 0;
};

Case Decode(const std::uint8_t* data, std::size_t size) {
  Case c;
  const std::uint8_t flags = size > 0 ? data[0] : 0;
  c.write = flags & 0x01;
  c.service = flags & 0x02;
  c.serviceModeOrParamArea = flags & 0x04;
  c.otherSettings = flags & 0x08;
  c.openFails = flags & 0x10;
  c.language = (flags & 0x20) ? Language::Chinese : Language::English;
  c.cancelAtOnce = flags & 0x40;
  c.cancelAfter = size > 1 ? data[1] : 0;
  for (std::size_t at = 2; at < size;) {
    const std::uint8_t head = data[at++];
    const std::size_t n = std::min<std::size_t>(head & 0x3F, size - at);
    c.script.push_back(ScriptedReply{{data + at, data + at + n}, (head & 0x80) != 0, (head & 0x40) != 0});
    c.scriptBytes += n + 1;
    at += n;
  }
  return c;
}

RadioImage StartImage() {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

bool InRanges(const Ranges& ranges, std::size_t at) {
  for (const AddressRange& r : ranges)
    if (at >= r.start && at < r.end) return true;
  return false;
}

// Every write of more than one byte is a block command, and the k-th of them
// must be the k-th block of the ranges, with the image's own bytes behind it.
void CheckBlockCommands(const CScriptedPort& port, Direction direction, const Ranges& ranges, const RadioImage& image) {
  std::vector<std::vector<std::uint8_t>> expected;
  for (const AddressRange& r : ranges)
    for (std::size_t a = r.start; a < r.end; a += BlockLength(a, r.end)) {
      const std::size_t n = BlockLength(a, r.end);
      std::vector<std::uint8_t> frame = {
          direction == Direction::Read ? CloneWire::kReadCommand : CloneWire::kWriteCommand,
          static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF), static_cast<std::uint8_t>(n)};
      if (direction == Direction::Write)
        for (std::size_t i = 0; i < n; ++i) frame.push_back(image[a + i]);
      expected.push_back(frame);
    }
  std::size_t k = 0;
  for (const std::vector<std::uint8_t>& w : port.Writes()) {
    if (w.size() <= 1) continue;
    if (k >= expected.size() || w != expected[k]) Fail("a block command that is not the next block");
    ++k;
  }
}

void CheckOutcome(const Case& c, const TransferResult& r) {
  switch (r.status) {
    case LinkStatus::Ok:
      if (r.outcome != TransferOutcome::Succeeded) Fail("Ok is not a success");
      break;
    case LinkStatus::PortOpenFailed:
      if (r.outcome != TransferOutcome::PortNotOpened || r.sysError != EBUSY) Fail("open failure misreported");
      break;
    case LinkStatus::Cancelled:
      if (c.service || r.outcome != TransferOutcome::Cancelled) Fail("cancel misreported");
      break;
    case LinkStatus::NoHandshakeReply:
    case LinkStatus::IdentTooShort:
    case LinkStatus::ConfirmNotAcked:
    case LinkStatus::ShortBlock:
    case LinkStatus::BlockNotAcked:
      if (r.outcome != TransferOutcome::CommunicationError) Fail("link failure not a communication error");
      break;
    default: Fail("unknown link status");
  }
  if ((r.status == LinkStatus::PortOpenFailed) != c.openFails) Fail("port opened or not against the script");
  const bool silent =
      !c.service && (r.outcome == TransferOutcome::Succeeded || r.outcome == TransferOutcome::Cancelled);
  if (r.message.empty() != silent) Fail("message shown or missing");
}

}  // namespace

int FuzzCloneLinkInput(const std::uint8_t* data, std::size_t size) {
  const Case c = Decode(data, size);
  // Far more port calls than any transfer makes: the handshake's reads are
  // bounded by time or by the bytes the script holds, the blocks by their count.
  CScriptedPort port(c.script, c.openFails ? EBUSY : 0, 4000 + static_cast<long>(c.scriptBytes));
  const Direction direction = c.write ? Direction::Write : Direction::Read;
  const RadioImage before = StartImage();
  RadioImage image = before;

  Ranges ranges;
  TransferResult r;
  int progressCalls = 0;
  if (c.service) {
    ServiceTransferRequest request;
    request.direction = direction;
    request.area = c.serviceModeOrParamArea ? ServiceArea::ParamArea : ServiceArea::PowerTable;
    request.language = c.language;
    request.port = &port;
    ranges = ServiceTransferRanges(request.area);
    r = RunServiceTransfer(request, c.otherSettings ? MainLinkSettings() : ServiceLinkSettings(c.write), image);
  } else {
    MainTransferRequest request;
    request.direction = direction;
    request.serviceMode = c.serviceModeOrParamArea;
    request.language = c.language;
    request.port = &port;
    if (c.otherSettings) request.settings = ServiceLinkSettings(c.write);
    ranges = MainTransferRanges(direction, request.serviceMode);
    const int total = static_cast<int>(CountBlocks(ranges));
    request.onProgress = [&](const TransferProgress& p) {
      if (p.done != ++progressCalls || p.total != total || p.done > total) Fail("progress out of step");
    };
    request.isCancelled = [&] { return c.cancelAtOnce || (c.cancelAfter > 0 && progressCalls >= c.cancelAfter); };
    r = RunMainTransfer(request, image);
    if (r.ok() && progressCalls != total) Fail("success before the last block");
  }

  if (port.Spun()) Fail("the link kept using the line without progress");
  if (port.IsOpen()) Fail("port left open");
  CheckOutcome(c, r);
  CheckBlockCommands(port, direction, ranges, before);
  for (std::size_t at = 0; at < image.size(); ++at) {
    const bool mayChange = direction == Direction::Read && r.ok() && InRanges(ranges, at);
    if (!mayChange && image[at] != before[at]) Fail("image changed where it must not");
  }
  return 0;
}

#ifdef PROGRAM_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCloneLinkInput(data, size);
}
#endif
