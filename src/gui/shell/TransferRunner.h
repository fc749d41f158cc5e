#pragma once
// Runs a Read or Write of the channel window (or of a service dialog) off the
// GUI thread as a transfer session, with the trace, read-back and backup it
// asks for, so the window repaints and Cancel works even while a silent
// radio is asked again and again. The link works on a copy of the image; the
// owner gets the outcome and that copy back on the GUI thread and decides
// what the document takes from it.
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "core/link/TransferSession.h"

class CTransferRunner : public QObject {
  Q_OBJECT
 public:
  explicit CTransferRunner(QObject* parent = nullptr);
  // A transfer still under way is cancelled and waited for.
  ~CTransferRunner() override;

  // Starts `request` (its callbacks are the runner's own) with a copy of
  // `image` and the `steps` around it; false while a transfer runs.
  bool Start(MainTransferRequest request, const RadioImage& image, const TransferSteps& steps = {});
  // A service dialog's transfer, which has no progress and no cancel.
  bool Start(const ServiceTransferRequest& request, const LinkSettings& settings, const RadioImage& image);
  // Stops after the current block or handshake attempt.
  void Cancel() { m_bCancel = true; }
  bool IsRunning() const { return m_thread.joinable(); }

  // Whether any runner of the process has a transfer under way: the frame
  // refuses what would remove the document meanwhile.
  static bool AnyRunning();
  // Cancels every transfer under way and waits for each to stop between
  // blocks, its port closed and its line given back, for a program that is
  // about to end; no `finished` follows.
  static void StopAll();

 signals:
  // Queued from the link's thread, in block order, before `finished`; the
  // read-back of a Write counts its blocks anew after `verifying`.
  void progress(int done, int total, const QString& percent);
  void verifying();
  // `image` is the copy the link worked on.
  void finished(const TransferSessionResult& result, const RadioImage& image);

 private:
  bool Run(std::function<TransferSessionResult(RadioImage&)> job, const RadioImage& image);
  // Cancels a transfer under way and waits for its thread.
  void StopAndWait();
  void Finish(const TransferSessionResult& result, const RadioImage& image);

  std::thread m_thread;
  std::atomic<bool> m_bCancel{false};
};

// The link settings of the window's transfers: the main settings, unless a
// test shortens the time-outs.
const LinkSettings& WindowLinkSettings();
void SetWindowLinkSettings(const LinkSettings& settings);
