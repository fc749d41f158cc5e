#pragma once
// SIGTERM and SIGHUP (a logout, a shutdown, a kill) brought into the event
// loop: the handler only writes the signal's number into a socket, which is
// all a handler may safely do, and a notifier reads it on the GUI thread,
// where the program can still save what must not be lost.
#include <QObject>
#include <functional>

class QSocketNotifier;

class CTerminationSignals : public QObject {
 public:
  // `onSignal` runs on the GUI thread with the signal's number; once it
  // returns, the process ends by that signal, as it would have without us.
  explicit CTerminationSignals(std::function<void(int)> onSignal);
  // The signals' default actions come back.
  ~CTerminationSignals() override;
  CTerminationSignals(const CTerminationSignals&) = delete;
  CTerminationSignals& operator=(const CTerminationSignals&) = delete;

 private:
  void OnReadable();

  std::function<void(int)> m_onSignal;
  int m_fds[2] = {-1, -1};
  QSocketNotifier* m_pNotifier = nullptr;
};
