#include "core/link/WindowTransfer.h"

#include "core/link/TransferTexts.h"
#include "core/link/WireTrace.h"
#include "core/lang/Language.h"
#include "core/files/SafeFileWrite.h"

namespace {

constexpr LangText kTraceWritten = {"Serial trace of the last transfer: %s", "最近一次传输的串口跟踪：%s"};

// The trace file of one window transfer, under the rule of CWireTraceFile.
class CTraceSession {
 public:
  CTraceSession(const std::string& folder, WindowTransferResult& result) : m_result(result) {
    if (folder.empty()) return;
    result.tracePath = folder + (folder.back() == '/' ? "" : "/") + kLastTransferTraceName;
    result.traceError = MakeFolders(folder);
    if (result.traceError == 0) result.traceError = m_file.Open(result.tracePath);
    result.traceCreated = result.traceError == 0;
  }
  ~CTraceSession() {
    if (m_result.traceCreated) m_result.traceError = m_file.Close();
  }
  bool NotCreated() const { return !m_result.tracePath.empty() && !m_result.traceCreated; }

  // The header of a pass that is about to open the port, and its tap.
  WireTap Begin(const std::string& caption, const std::string& device) {
    return m_result.traceCreated ? m_file.Begin(caption + " " + device) : WireTap();
  }

 private:
  WindowTransferResult& m_result;
  CWireTraceFile m_file;
};

}  // namespace

std::string WindowTransferResult::FailureMessage() const {
  if (!transfer.ok()) return transfer.message;
  if (verify && verify->outcome != VerifyOutcome::Cancelled) return verify->message;
  return {};
}

WindowTransferResult RunWindowTransfer(const MainTransferRequest& request, RadioImage& image,
                                       const WindowTransferSteps& steps, const std::function<void()>& onVerify) {
  WindowTransferResult result;
  {
    CTraceSession trace(steps.traceFolder, result);
    if (trace.NotCreated()) {
      result.transfer.outcome = TransferOutcome::PortNotOpened;
      result.transfer.direction = request.direction;
      result.transfer.message = TraceNotCreatedText(result.tracePath, result.traceError, request.chinese);
      return result;
    }
    MainTransferRequest transfer = request;
    transfer.tap = trace.Begin(TransferCaption(request.direction, request.chinese), request.device);
    result.transfer = RunMainTransfer(transfer, image);
    if (result.transfer.ok() && request.direction == Direction::Write && steps.verify) {
      if (onVerify) onVerify();
      transfer.tap = trace.Begin(VerifyCaption(request.chinese), request.device);
      result.verify = VerifyWrite(transfer, image);
    }
  }
  if (result.transfer.ok() && request.direction == Direction::Read && !steps.backupFolder.empty())
    result.backup = SaveBackup(steps.backupFolder, image, steps.port);
  return result;
}

std::string TraceNote(const WindowTransferResult& result, bool chinese) {
  if (!result.traceCreated) return {};
  if (result.traceError != 0) return TraceWarning(result, chinese);
  std::string text = kTraceWritten(chinese);
  return text.replace(text.find("%s"), 2, result.tracePath);
}

std::string TraceWarning(const WindowTransferResult& result, bool chinese) {
  if (!result.traceCreated || result.traceError == 0) return {};
  return TraceNotSavedText(result.tracePath, result.traceError, chinese);
}
