#include "core/link/TransferDriver.h"

#include <cstdio>

#include "core/link/PortProbe.h"
#include "core/link/SerialPort.h"

namespace {

// Open, handshake, blocks, close; `image` is the buffer the blocks go to or
// come from. Fills in status and sysError; outcome is left to the caller's
// message rules.
LinkStatus RunLink(CBytePort* port, const std::string& device, const LinkSettings& settings, Direction direction,
                   const Ranges& ranges, RadioImage& image, const std::function<bool()>& isCancelled,
                   const std::function<bool()>& onBlockDone, const WireTap& tap, int& sysError) {
  CSerialPort serial;
  CCloneLink link(port ? *port : serial);
  if (tap) link.SetTap(tap);
  if (isCancelled) link.SetCancelCheck(isCancelled);
  if (link.Open(device, settings) != LinkStatus::Ok) {
    sysError = link.OpenError();
    return LinkStatus::PortOpenFailed;
  }
  LinkStatus status = link.Handshake();
  if (status == LinkStatus::Ok) status = link.Transfer(direction, ranges, image, onBlockDone);
  link.Close();
  return status;
}

}  // namespace

std::string PercentText(int done, int total) {
  const long long percent = total > 0 ? static_cast<long long>(done) * 100 / total : 0;
  char text[24];
  std::snprintf(text, sizeof text, "%lld%%", percent);
  return text;
}

TransferResult RunMainTransfer(const MainTransferRequest& request, RadioImage& image) {
  const Ranges ranges =
      request.ranges.empty() ? MainTransferRanges(request.direction, request.serviceMode) : request.ranges;
  const int total = static_cast<int>(CountBlocks(ranges));
  RadioImage staging = image;
  int done = 0;
  auto onBlockDone = [&]() {
    ++done;
    if (request.onProgress) request.onProgress(TransferProgress{done, total, PercentText(done, total)});
    return request.isCancelled && request.isCancelled();
  };

  TransferResult result;
  result.direction = request.direction;
  result.blocksTotal = total;
  result.status = RunLink(request.port, request.device, request.settings, request.direction, ranges, staging,
                          request.isCancelled, onBlockDone, request.tap, result.sysError);
  result.blocksDone = done;
  switch (result.status) {
    case LinkStatus::Ok:
      result.outcome = TransferOutcome::Succeeded;
      if (request.direction == Direction::Read) CopyRanges(ranges, staging, image);
      break;
    case LinkStatus::PortOpenFailed:
      result.outcome = TransferOutcome::PortNotOpened;
      result.message = PortOpenFailedMessage(request.language) + std::string("\n") +
                       PortOpenCauseText(request.device, result.sysError, request.language);
      break;
    case LinkStatus::Cancelled: result.outcome = TransferOutcome::Cancelled; break;
    default:
      result.outcome = TransferOutcome::CommunicationError;
      result.message = CommunicationErrorMessage(request.language);
      break;
  }
  return result;
}

TransferResult RunServiceTransfer(const ServiceTransferRequest& request, RadioImage& image) {
  return RunServiceTransfer(request, ServiceLinkSettings(request.direction == Direction::Write), image);
}

TransferResult RunServiceTransfer(const ServiceTransferRequest& request, const LinkSettings& settings,
                                  RadioImage& image) {
  const Ranges ranges = ServiceTransferRanges(request.area);
  RadioImage staging = image;
  TransferResult result;
  result.direction = request.direction;
  result.status = RunLink(request.port, request.device, settings, request.direction, ranges, staging, nullptr, nullptr,
                          request.tap, result.sysError);
  switch (result.status) {
    case LinkStatus::Ok:
      result.outcome = TransferOutcome::Succeeded;
      if (request.direction == Direction::Read) CopyRanges(ranges, staging, image);
      result.message = ServiceSuccessMessage(request.direction, request.language);
      break;
    case LinkStatus::PortOpenFailed:
      result.outcome = TransferOutcome::PortNotOpened;
      result.message = ServicePortOpenFailedMessage(request.language) + std::string("\n") +
                       PortOpenCauseText(request.device, result.sysError, request.language);
      break;
    default:
      result.outcome = TransferOutcome::CommunicationError;
      result.message = ServiceCommunicationErrorMessage(request.direction, request.language);
      break;
  }
  return result;
}
