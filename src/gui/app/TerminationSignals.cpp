#include "gui/app/TerminationSignals.h"

#include <QSocketNotifier>

CTerminationSignals::CTerminationSignals(std::function<void()> onSignal) : m_onSignal(std::move(onSignal)) {
  if (m_channel.ReadFd() < 0) return;
  m_pNotifier = new QSocketNotifier(m_channel.ReadFd(), QSocketNotifier::Read, this);
  connect(m_pNotifier, &QSocketNotifier::activated, this, [this] { OnReadable(); });
}

void CTerminationSignals::OnReadable() {
  const int signal = m_channel.TakeSignal();
  if (signal == 0) return;
  m_pNotifier->setEnabled(false);
  if (m_onSignal) m_onSignal();
  // No question, no clean-up that could still ask one.
  CStopSignalChannel::EndBy(signal);
}
