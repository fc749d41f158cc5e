#include "gui/app/StatusNotice.h"

#include <QStatusBar>
#include <QStatusTipEvent>

CStatusNotice::CStatusNotice(QStatusBar* bar) : CSpokenNotice(bar) {
  connect(bar, &QStatusBar::messageChanged, this, &CStatusNotice::OnMessageChanged);
  // The window turns a status tip into a message of its status bar.
  if (QWidget* window = bar->window(); window != bar) window->installEventFilter(this);
}

bool CStatusNotice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip) m_strTip = static_cast<QStatusTipEvent*>(event)->tip();
  return QWidget::eventFilter(watched, event);
}

void CStatusNotice::OnMessageChanged(const QString& text) {
  const bool tip = !m_strTip.isNull() && text == m_strTip;
  m_strTip.clear();
  if (tip) return;
  // Said anew for every message, one that replaces another at once
  // included. (The status bar tells nothing when a message is shown again
  // over itself.)
  if (text.isEmpty())
    Clear();
  else
    Say(text);
}
