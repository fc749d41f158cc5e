#pragma once
// Runs a Read or Write of the channel window (or of a service dialog) off the
// GUI thread, with the trace, read-back and backup a window transfer asks
// for, so the window repaints and Cancel works even while a silent radio is
// asked again and again. The link works on a copy of the image; the owner
// gets the outcome and that copy back on the GUI thread and decides what the
// document takes from it.
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "core/link/WindowTransfer.h"

class CTransferRunner : public QObject {
  Q_OBJECT
 public:
  explicit CTransferRunner(QObject* parent = nullptr);
  // A transfer still under way is cancelled and waited for.
  ~CTransferRunner() override;

  // Starts `request` (its callbacks are the runner's own) with a copy of
  // `image` and the `steps` around it; false while a transfer runs.
  bool Start(MainTransferRequest request, const RadioImage& image, const WindowTransferSteps& steps = {});
  // Any other transfer: `job` gets a copy of `image` on the link's thread
  // (the service dialogs' transfers, which have no progress and no cancel).
  bool Start(std::function<TransferResult(RadioImage&)> job, const RadioImage& image);
  // Stops after the current block or handshake attempt.
  void Cancel() { m_bCancel = true; }
  bool IsRunning() const { return m_thread.joinable(); }

  // Whether any runner of the process has a transfer under way: the frame
  // refuses what would remove the document meanwhile.
  static bool AnyRunning();

 signals:
  // Queued from the link's thread, in block order, before `finished`; the
  // read-back of a Write counts its blocks anew after `verifying`.
  void progress(int done, int total, const QString& percent);
  void verifying();
  // `image` is the copy the link worked on.
  void finished(const WindowTransferResult& result, const RadioImage& image);

 private:
  bool Run(std::function<WindowTransferResult(RadioImage&)> job, const RadioImage& image);
  void Finish(const WindowTransferResult& result, const RadioImage& image);

  std::thread m_thread;
  std::atomic<bool> m_bCancel{false};
};

// The link settings of the window's transfers: the main settings, unless a
// test shortens the time-outs.
const LinkSettings& WindowLinkSettings();
void SetWindowLinkSettings(const LinkSettings& settings);
