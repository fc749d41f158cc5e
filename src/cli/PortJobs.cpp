#include "cli/PortJobs.h"

#include <cstdio>
#include <memory>

#include "cli/CliTexts.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/VerbFiles.h"
#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/lang/Language.h"
#include "core/link/TransferSession.h"
#include "core/link/WireTrace.h"

namespace {

PortReport Failed(int status, const std::string& text) {
  PortReport report;
  report.status = status;
  report.failure = text;
  report.outcome = text;
  return report;
}

PortReport FromTransfer(const TransferResult& result, Language language) {
  return Failed(TransferExitStatus(result.outcome), TransferFailureText(result, language));
}

MainTransferRequest PortRequest(const PortTask& task, Direction direction, Language language,
                                const LinkSettings& settings) {
  MainTransferRequest request;
  request.device = task.device;
  request.direction = direction;
  request.language = language;
  request.settings = settings;
  return request;
}

// One port's transfer, run as the transfer session runs the window's too.
// Progress shows the caption of the pass under way (the transfer's own, then
// the read-back's); `done` is the report of a success, as it stands once the
// session is over.
PortReport RunPortSession(MainTransferRequest request, const TransferSteps& steps, RadioImage& image,
                          const PortProgress& progress, TransferHooks hooks, const PortReport& done) {
  const Language language = request.language;
  std::string caption;
  request.onProgress = [&](const TransferProgress& p) { progress(caption, p); };
  request.isCancelled = [] { return CInterruptCatcher::Interrupted(); };
  hooks.onPass = [&](TransferPass, const std::string& shown) { caption = shown; };
  const TransferSessionResult result = RunTransferSession(request, steps, image, hooks);
  PortReport report;
  switch (result.Outcome()) {
    case SessionOutcome::Succeeded: report = done; break;
    case SessionOutcome::TraceNotCreated: report = Failed(kExitFileError, result.FailureMessage()); break;
    case SessionOutcome::VerifyFailed: report = Failed(kExitVerifyFailed, result.FailureMessage()); break;
    default:  // the port, the line or Ctrl+C, in the transfer or its read-back
      report = FromTransfer(result.transfer.ok() ? result.verify->readBack : result.transfer, language);
      break;
  }
  for (std::string& warning : SessionWarnings(result, language)) report.warnings.push_back(std::move(warning));
  return report;
}

}  // namespace

int OpenPortTraces(const char* verb, std::vector<PortTask>& tasks, Language language) {
  for (PortTask& task : tasks) {
    if (task.trace.empty()) continue;
    task.traceFile = std::make_shared<CWireTraceFile>(task.trace);
    if (const int err = task.traceFile->Open(); err != 0) {
      std::fprintf(stderr, "programcli %s: %s\n", verb, TraceNotCreatedText(task.trace, err, language).c_str());
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
  TransferSteps steps;
  steps.trace = task.traceFile;
  steps.backupFolder = job.backupFolder;
  steps.port = task.port;
  // The output file before the backup, which is kept whatever became of it.
  PortReport done;
  TransferHooks hooks;
  hooks.onRead = [&](const RadioImage& image) {
    const std::string path = ReadOutputPath(job.output, task.port);
    std::string text;
    const int status = DataFileFailure(path, SaveDataFile(path, image), true, job.language, text);
    done = status == kExitOk ? PortReport{kExitOk, kPortReadInto(job.language) + path, "", {}} : Failed(status, text);
  };
  RadioImage image = job.base;
  return RunPortSession(PortRequest(task, Direction::Read, job.language, job.settings), steps, image, progress, hooks,
                        done);
}

PortReport RunWriteJob(const WriteJob& job, const PortTask& task, const PortProgress& progress) {
  TransferSteps steps;
  steps.trace = task.traceFile;
  steps.verify = job.verify;
  const PortReport done{kExitOk, job.verify ? kPortVerified(job.language) : kPortWritten(job.language), "", {}};
  MainTransferRequest request = PortRequest(task, Direction::Write, job.language, job.settings);
  request.serviceMode = job.serviceMode;
  RadioImage image = job.image;
  return RunPortSession(request, steps, image, progress, {}, done);
}
