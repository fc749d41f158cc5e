#pragma once
// Whatever the status bar shows for a moment ("Read complete", a refused
// command's note) is said by a screen reader too: an object of the role
// notification inside the status bar takes the message as its name and shows
// anew, which a screen reader speaks as it does a desktop notification. It
// takes no room on screen; it stays in the status bar with the last message
// until the message is cleared. The status tips of menu items and buttons,
// which the status bar shows the same way, are not said again: a screen
// reader has the item itself.
#include <QWidget>

class QAccessibleInterface;
class QStatusBar;

class CStatusNotice : public QWidget {
  Q_OBJECT
 public:
  explicit CStatusNotice(QStatusBar* bar);

  static QAccessibleInterface* Factory(const QString& className, QObject* object);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnMessageChanged(const QString& text);

  QString m_strTip;  // the status tip being shown, which is not a message
};
