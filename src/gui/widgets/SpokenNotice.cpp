#include "gui/widgets/SpokenNotice.h"

#include <QAccessibleWidget>

CSpokenNotice::CSpokenNotice(QWidget* parent) : QWidget(parent) {
  // Outside every layout, which would give it room or hide it.
  setGeometry(0, 0, 0, 0);
  hide();
}

void CSpokenNotice::Say(const QString& sentence) {
  setAccessibleName(sentence);
  hide();
  show();
}

QAccessibleInterface* CSpokenNotice::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CSpokenNotice"))
    if (auto* notice = qobject_cast<CSpokenNotice*>(object)) return new QAccessibleWidget(notice, QAccessible::Notification);
  return nullptr;
}
