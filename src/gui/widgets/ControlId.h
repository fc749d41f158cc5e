#pragma once
// Every control that help or the menu edits look for carries the numeric id
// its template gives it; help asks for the id of the focused control.
#include <QWidget>

inline void SetControlId(QWidget* widget, int id) { widget->setProperty("controlId", id); }

// The id of the widget or of the nearest parent that has one (an editor's
// inner line edit has none of its own); 0 when none has.
inline int ControlId(const QWidget* widget) {
  for (; widget != nullptr && !widget->isWindow(); widget = widget->parentWidget()) {
    const QVariant id = widget->property("controlId");
    if (id.isValid()) return id.toInt();
  }
  return 0;
}
