#include "editor/WindowTransfer.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "link/TransferTexts.h"
#include "link/WireTrace.h"
#include "radio/Language.h"
#include "radio/SafeFileWrite.h"

namespace {

constexpr LangText kTraceWritten = {"Serial trace of the last transfer: %s", "最近一次传输的串口跟踪：%s"};
constexpr LangText kTraceFailed = {"No serial trace: cannot write '%s': %s",
                                   "没有串口跟踪：无法写入“%s”：%s"};

std::string Format(const char* format, const std::string& a, const char* b = "") {
  char text[1024];
  std::snprintf(text, sizeof text, format, a.c_str(), b);
  return text;
}

// The trace file of one window transfer. A trace that cannot be had never
// stops the transfer: it is only told afterwards.
class CTraceSession {
 public:
  CTraceSession(const std::string& folder, WindowTransferResult& result) : m_result(result) {
    if (folder.empty()) return;
    result.tracePath = folder + (folder.back() == '/' ? "" : "/") + kLastTransferTraceName;
    result.traceError = MakeFolders(folder);
    if (result.traceError != 0) return;
    m_file = std::make_unique<CWireTraceFile>();
    result.traceError = m_file->Open(result.tracePath);
    if (result.traceError != 0) m_file.reset();
  }
  ~CTraceSession() {
    if (!m_file) return;
    const int err = m_file->Close();
    if (m_result.traceError == 0) m_result.traceError = err;
  }

  // The header of a pass that is about to open the port, and its tap.
  WireTap Begin(const std::string& caption, const std::string& device) {
    if (!m_file) return {};
    m_file->Formatter().BeginSession(caption + " " + device);
    return m_file->Formatter().Tap();
  }

 private:
  WindowTransferResult& m_result;
  std::unique_ptr<CWireTraceFile> m_file;
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
  if (result.tracePath.empty()) return {};
  if (result.traceError != 0)
    return Format(kTraceFailed(chinese), result.tracePath, std::strerror(result.traceError));
  return Format(kTraceWritten(chinese), result.tracePath);
}
