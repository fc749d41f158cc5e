#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a kill, Ctrl+C in the
// terminal that started the window) brought into the event loop, where the
// program can still save what must not be lost.
#include <QObject>
#include <functional>

#include "core/os/ProcessSignals.h"

class QSocketNotifier;

class CTerminationSignals : public QObject {
 public:
  // `onSignal` runs on the GUI thread; once it returns, the process ends by
  // the signal that came, as it would have without us.
  explicit CTerminationSignals(std::function<void()> onSignal);
  CTerminationSignals(const CTerminationSignals&) = delete;
  CTerminationSignals& operator=(const CTerminationSignals&) = delete;

 private:
  void OnReadable();

  std::function<void()> m_onSignal;
  CStopSignalChannel m_channel;
  QSocketNotifier* m_pNotifier = nullptr;
};
