#include "cli/PortJobs.h"

#include <cstdio>
#include <memory>

#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/VerbFiles.h"
#include "core/link/TransferTexts.h"
#include "core/link/VerifyWrite.h"
#include "core/link/WireTrace.h"
#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/lang/Language.h"

namespace {

constexpr LangText kReadInto = {"read into ", "已读入 "};
constexpr LangText kWritten = {"written", "已写入"};
constexpr LangText kVerified = {"written and verified", "已写入并校验"};

PortReport Failed(int status, const std::string& text) {
  PortReport report;
  report.status = status;
  report.failure = text;
  report.outcome = text;
  return report;
}

// One port's transfers with the trace they share, when there is one.
class CPortSession {
 public:
  CPortSession(const PortTask& task, const PortProgress& progress, bool chinese, const LinkSettings& settings)
      : m_task(task), m_progress(progress), m_bChinese(chinese), m_settings(settings) {}

  // The progress caption is the transfer's own, or the read-back's.
  MainTransferRequest Request(Direction direction, bool verify = false) {
    MainTransferRequest request;
    request.device = m_task.device;
    request.direction = direction;
    request.chinese = m_bChinese;
    request.settings = m_settings;
    const std::string shown = verify ? VerifyCaption(m_bChinese) : TransferCaption(direction, m_bChinese);
    request.onProgress = [this, shown](const TransferProgress& p) { m_progress(shown, p); };
    request.isCancelled = [] { return CInterruptCatcher::Interrupted(); };
    // The trace's header for a transfer that is about to open the port.
    if (m_task.traceFile) request.tap = m_task.traceFile->Begin(shown + " " + m_task.device);
    return request;
  }

  // A trace that failed midway is told; the transfer's result stands.
  void CloseTrace(PortReport& report) {
    if (!m_task.traceFile) return;
    if (const int err = m_task.traceFile->Close(); err != 0)
      report.warnings.push_back(TraceNotSavedText(m_task.trace, err, m_bChinese));
  }

 private:
  const PortTask& m_task;
  const PortProgress& m_progress;
  bool m_bChinese;
  LinkSettings m_settings;
};

PortReport FromTransfer(const TransferResult& result, const PortTask& task, bool chinese) {
  return Failed(TransferExitStatus(result.outcome), TransferFailureText(result, task.device, chinese));
}

}  // namespace

int OpenPortTraces(const char* verb, std::vector<PortTask>& tasks, bool chinese) {
  for (PortTask& task : tasks) {
    if (task.trace.empty()) continue;
    task.traceFile = std::make_shared<CWireTraceFile>();
    if (const int err = task.traceFile->Open(task.trace); err != 0) {
      std::fprintf(stderr, "programcli %s: %s\n", verb, TraceNotCreatedText(task.trace, err, chinese).c_str());
      // The traces opened so far go without leaving anything.
      for (PortTask& t : tasks) t.traceFile.reset();
      return kExitFileError;
    }
  }
  return kExitOk;
}

std::string ReadOutputPath(const std::string& output, const std::string& port) {
  if (output.empty() || output.back() != '/') return output;
  return output + PortFileStem(port) + ".dat";
}

PortReport RunReadJob(const ReadJob& job, const PortTask& task, const PortProgress& progress) {
  CPortSession session(task, progress, job.chinese, job.settings);
  PortReport report;
  MainTransferRequest request = session.Request(Direction::Read);
  RadioImage image = job.base;
  const TransferResult result = RunMainTransfer(request, image);
  if (!result.ok()) {
    report = FromTransfer(result, task, job.chinese);
  } else {
    const std::string path = ReadOutputPath(job.output, task.port);
    std::string text;
    const int status = DataFileFailure(path, SaveDataFile(path, image), true, job.chinese, text);
    report = status == kExitOk ? PortReport{kExitOk, kReadInto(job.chinese) + path, "", {}} : Failed(status, text);
    // The backup is kept whatever became of the output file.
    const BackupResult backup = SaveBackup(job.backupFolder, image, task.port);
    if (!backup.ok) report.warnings.push_back(BackupFailureMessage(backup, job.chinese));
  }
  session.CloseTrace(report);
  return report;
}

PortReport RunWriteJob(const WriteJob& job, const PortTask& task, const PortProgress& progress) {
  CPortSession session(task, progress, job.chinese, job.settings);
  PortReport report;
  MainTransferRequest request = session.Request(Direction::Write);
  request.serviceMode = job.serviceMode;
  RadioImage image = job.image;
  const TransferResult result = RunMainTransfer(request, image);
  if (!result.ok()) {
    report = FromTransfer(result, task, job.chinese);
  } else if (!job.verify) {
    report = PortReport{kExitOk, kWritten(job.chinese), "", {}};
  } else {
    MainTransferRequest check = session.Request(Direction::Write, true);
    check.serviceMode = job.serviceMode;
    const VerifyResult verify = VerifyWrite(check, image);
    switch (verify.outcome) {
      case VerifyOutcome::Matched:
        report = PortReport{kExitOk, kVerified(job.chinese), "", {}};
        break;
      case VerifyOutcome::Cancelled:
        report = FromTransfer(verify.readBack, task, job.chinese);
        break;
      default:
        report = Failed(kExitVerifyFailed, verify.message);
        break;
    }
  }
  session.CloseTrace(report);
  return report;
}
