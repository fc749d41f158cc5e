#include "core/link/TransferSession.h"

#include "core/lang/TextFill.h"
#include "core/link/TransferTexts.h"

namespace {

// A session's trace: opened as the session starts unless it was before,
// closed once the line is done.
class CSessionTrace {
 public:
  CSessionTrace(const std::shared_ptr<CWireTraceFile>& file, TransferSessionResult& result)
      : m_file(file), m_result(result) {
    if (!m_file) return;
    result.tracePath = m_file->Path();
    result.traceError = m_file->Open();
    result.traceCreated = result.traceError == 0;
    // The program's own trace folder is not safe to write: the transfer goes
    // on without a trace, as it would with none asked for, and says why.
    result.traceLeftOut = result.traceError == kNoHomeFolder || result.traceError == kSharedFolder;
    if (result.traceLeftOut) m_file.reset();
  }

  // Nothing may be sent: the transfer ends as one whose port never opened.
  bool RefusesTransfer(Direction direction, Language language) {
    if (!m_file || m_result.traceCreated) return false;
    m_result.transfer.outcome = TransferOutcome::PortNotOpened;
    m_result.transfer.direction = direction;
    m_result.transfer.message = TraceNotCreatedText(m_result.tracePath, m_result.traceError, language);
    return true;
  }

  // The header of a pass about to open its port, and the tap for its link;
  // without a trace, the caller's own tap.
  WireTap Begin(const std::string& caption, const std::string& device, const WireTap& own) {
    return m_file ? m_file->Begin(caption + " " + device) : own;
  }

  void Close() {
    if (m_file) m_result.traceError = m_file->Close();
    m_file.reset();
  }

 private:
  std::shared_ptr<CWireTraceFile> m_file;
  TransferSessionResult& m_result;
};

}  // namespace

SessionOutcome TransferSessionResult::Outcome() const {
  if (!tracePath.empty() && !traceCreated && !traceLeftOut) return SessionOutcome::TraceNotCreated;
  switch (transfer.outcome) {
    case TransferOutcome::Succeeded: break;
    case TransferOutcome::PortNotOpened: return SessionOutcome::PortNotOpened;
    case TransferOutcome::CommunicationError: return SessionOutcome::CommunicationError;
    case TransferOutcome::Cancelled: return SessionOutcome::Cancelled;
  }
  if (!verify || verify->ok()) return SessionOutcome::Succeeded;
  return verify->outcome == VerifyOutcome::Cancelled ? SessionOutcome::Cancelled : SessionOutcome::VerifyFailed;
}

std::string TransferSessionResult::FailureMessage() const {
  if (!transfer.ok()) return transfer.message;
  if (verify && verify->outcome != VerifyOutcome::Cancelled) return verify->message;
  return {};
}

TransferSessionResult RunTransferSession(const MainTransferRequest& request, const TransferSteps& steps,
                                         RadioImage& image, const TransferHooks& hooks) {
  TransferSessionResult result;
  CSessionTrace trace(steps.trace, result);
  if (trace.RefusesTransfer(request.direction, request.language)) return result;
  MainTransferRequest pass = request;
  const auto begin = [&](TransferPass which, const std::string& caption) {
    if (hooks.onPass) hooks.onPass(which, caption);
    pass.tap = trace.Begin(caption, request.device, request.tap);
  };
  begin(TransferPass::Transfer, TransferCaption(request.direction, request.language));
  result.transfer = RunMainTransfer(pass, image);
  if (result.transfer.ok() && request.direction == Direction::Write && steps.verify) {
    begin(TransferPass::Verify, VerifyCaption(request.language));
    result.verify = VerifyWrite(pass, image);
  }
  trace.Close();
  if (result.transfer.ok() && request.direction == Direction::Read) {
    if (hooks.onRead) hooks.onRead(image);
    if (steps.backupFolder) result.backup = SaveBackup(*steps.backupFolder, image, steps.port);
  }
  return result;
}

TransferSessionResult RunTransferSession(const ServiceTransferRequest& request, const LinkSettings& settings,
                                         const TransferSteps& steps, RadioImage& image) {
  TransferSessionResult result;
  CSessionTrace trace(steps.trace, result);
  if (trace.RefusesTransfer(request.direction, request.language)) return result;
  ServiceTransferRequest pass = request;
  pass.tap = trace.Begin(TransferCaption(request.direction, request.language), request.device, request.tap);
  result.transfer = RunServiceTransfer(pass, settings, image);
  trace.Close();
  return result;
}

std::vector<std::string> SessionWarnings(const TransferSessionResult& result, Language language) {
  std::vector<std::string> warnings;
  if (result.backup && !result.backup->ok) warnings.push_back(BackupFailureMessage(*result.backup, language));
  if ((result.traceCreated || result.traceLeftOut) && result.traceError != 0)
    warnings.push_back(TraceNotSavedText(result.tracePath, result.traceError, language));
  return warnings;
}

std::string TraceNote(const TransferSessionResult& result, Language language) {
  if (!result.traceCreated && !result.traceLeftOut) return {};
  if (result.traceError != 0) return TraceNotSavedText(result.tracePath, result.traceError, language);
  return FillText(kTraceWrittenText(language), {result.tracePath});
}
