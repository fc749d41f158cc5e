#pragma once
// Whatever the status bar shows for a moment ("Read complete", a refused
// command's note) is said by a screen reader too, through a spoken notice
// inside the status bar that keeps the last message until it is cleared. The status tips of menu items and buttons,
// which the status bar shows the same way, are not said again: a screen
// reader has the item itself.
#include "gui/widgets/SpokenNotice.h"

class QStatusBar;

class CStatusNotice : public CSpokenNotice {
  Q_OBJECT
 public:
  explicit CStatusNotice(QStatusBar* bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnMessageChanged(const QString& text);

  QString m_strTip;  // the status tip being shown, which is not a message
};
