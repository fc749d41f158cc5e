#pragma once
// Dialog templates are measured in dialog units: a quarter of the average
// character width across, an eighth of the character height down.
#include <QFontMetrics>
#include <QWidget>

inline int DluX(const QWidget* widget, int units) {
  return units * QFontMetrics(widget->font()).averageCharWidth() / 4;
}
inline int DluY(const QWidget* widget, int units) { return units * QFontMetrics(widget->font()).height() / 8; }
