#include "gui/shell/TransferRunner.h"

#include <QMetaObject>
#include <algorithm>
#include <vector>

#include "gui/shell/AppContext.h"

namespace {
// Changed on the GUI thread only: at Start and when a transfer has ended.
int& Running() { return AppContext().m_nRunningTransfers; }
// Every runner alive, for StopAll; GUI thread only.
std::vector<CTransferRunner*>& Runners() {
  static std::vector<CTransferRunner*> runners;
  return runners;
}
}  // namespace

const LinkSettings& WindowLinkSettings() { return AppContext().Hooks().windowLink; }
void SetWindowLinkSettings(const LinkSettings& settings) { AppContext().Hooks().windowLink = settings; }

CTransferRunner::CTransferRunner(QObject* parent) : QObject(parent) { Runners().push_back(this); }

CTransferRunner::~CTransferRunner() {
  Runners().erase(std::remove(Runners().begin(), Runners().end(), this), Runners().end());
  StopAndWait();
}

void CTransferRunner::StopAndWait() {
  if (!IsRunning()) return;
  Cancel();
  m_thread.join();
  --Running();
}

bool CTransferRunner::AnyRunning() { return Running() > 0; }

void CTransferRunner::StopAll() {
  for (CTransferRunner* runner : Runners()) runner->StopAndWait();
}

bool CTransferRunner::Start(MainTransferRequest request, const RadioImage& image, const TransferSteps& steps) {
  // Everything queued to `this` is dropped if the runner is gone by then.
  request.onProgress = [this](const TransferProgress& p) {
    const QString percent = QString::fromStdString(p.percentText);
    QMetaObject::invokeMethod(
        this, [this, p, percent] { emit progress(p.done, p.total, percent); }, Qt::QueuedConnection);
  };
  request.isCancelled = [this] { return m_bCancel.load(); };
  TransferHooks hooks;
  hooks.onPass = [this](TransferPass pass, const std::string&) {
    if (pass == TransferPass::Verify)
      QMetaObject::invokeMethod(
          this, [this] { emit verifying(); }, Qt::QueuedConnection);
  };
  return Run([request = std::move(request), steps,
              hooks](RadioImage& copy) { return RunTransferSession(request, steps, copy, hooks); },
             image);
}

bool CTransferRunner::Start(const ServiceTransferRequest& request, const LinkSettings& settings,
                            const RadioImage& image) {
  return Run([request, settings](RadioImage& copy) { return RunTransferSession(request, settings, {}, copy); }, image);
}

bool CTransferRunner::Run(std::function<TransferSessionResult(RadioImage&)> job, const RadioImage& image) {
  if (IsRunning()) return false;
  m_bCancel = false;
  ++Running();
  m_thread = std::thread([this, job = std::move(job), copy = RadioImage(image)]() mutable {
    const TransferSessionResult result = job(copy);
    QMetaObject::invokeMethod(
        this, [this, result, copy] { Finish(result, copy); }, Qt::QueuedConnection);
  });
  return true;
}

void CTransferRunner::Finish(const TransferSessionResult& result, const RadioImage& image) {
  // Stopped and waited for already by StopAll.
  if (!m_thread.joinable()) return;
  m_thread.join();
  --Running();
  emit finished(result, image);
}
