#include "gui/app/StatusNotice.h"

#include <QAccessibleWidget>
#include <QStatusBar>
#include <QStatusTipEvent>

CStatusNotice::CStatusNotice(QStatusBar* bar) : QWidget(bar) {
  // Not in the status bar's layout, which hides its widgets under a message.
  setGeometry(0, 0, 0, 0);
  hide();
  connect(bar, &QStatusBar::messageChanged, this, &CStatusNotice::OnMessageChanged);
  // The window turns a status tip into a message of its status bar.
  if (QWidget* window = bar->window(); window != bar) window->installEventFilter(this);
}

bool CStatusNotice::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::StatusTip) m_strTip = static_cast<QStatusTipEvent*>(event)->tip();
  return QWidget::eventFilter(watched, event);
}

QAccessibleInterface* CStatusNotice::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CStatusNotice"))
    if (auto* notice = qobject_cast<CStatusNotice*>(object))
      return new QAccessibleWidget(notice, QAccessible::Notification);
  return nullptr;
}

void CStatusNotice::OnMessageChanged(const QString& text) {
  const bool tip = !m_strTip.isNull() && text == m_strTip;
  m_strTip.clear();
  if (tip) return;
  if (text.isEmpty()) {
    hide();
    return;
  }
  setAccessibleName(text);
  // Shown anew for every message, one that replaces another at once
  // included. (The status bar tells nothing when a message is shown again
  // over itself.)
  hide();
  show();
}
