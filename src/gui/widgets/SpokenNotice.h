#pragma once
// A sentence for a screen reader to say that no focused control carries (a
// value taken into a cell, a transfer's progress): an object of the role
// notification, out of sight, that takes the sentence as its name and shows
// anew, which a screen reader speaks as it does a desktop notification.
#include <QWidget>

class QAccessibleInterface;

class CSpokenNotice : public QWidget {
  Q_OBJECT
 public:
  explicit CSpokenNotice(QWidget* parent);

  // The same sentence twice is said twice.
  void Say(const QString& sentence);
  // Nothing left to say: the notice is hidden.
  void Clear() { hide(); }

  static QAccessibleInterface* Factory(const QString& className, QObject* object);
};
