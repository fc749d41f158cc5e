#include "gui/printout/PrintoutPainter.h"

#include <QFontMetricsF>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440.0;

QStringList PrintoutFamilies() {
  return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("WenQuanYi Micro Hei"),
          QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};
}

// Twips with y growing upwards, as the page plan places everything, to the
// painter's twips with y growing downwards (text drawn in a mirrored system
// would stand on its head).
QPointF Down(int x, int y) { return {static_cast<double>(x), static_cast<double>(-y)}; }

int LineHeight(const QFont& font, const QPaintDevice& device) {
  const QFontMetricsF m(font, &device);
  return static_cast<int>(std::lround(m.ascent() + m.descent() + m.leading()));
}

}  // namespace

QFont PrintoutFont(const FontSize& size, const QPaintDevice& device) {
  const QPaintDevice* pd = &device;
  QFont font;
  font.setFamilies(PrintoutFamilies());
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::Serif);
  const int height = std::max(1, size.height);
  font.setPixelSize(height);
  // A requested height is the character cell, not the em the font is set in.
  const QFontMetricsF natural(font, pd);
  const double cell = natural.ascent() + natural.descent();
  if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * height / cell))));
  const QFontMetricsF unstretched(font, pd);
  const double average =
      WeightedAverageCharWidth([&unstretched](char c) { return unstretched.horizontalAdvance(QChar::fromLatin1(c)); });
  if (average > 0 && size.width > 0)
    font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * size.width / average)), 1, 4000));
  return font;
}

void DrawPrintoutPage(QPainter& painter, const QPaintDevice& device, const PrintoutSource& source, int page) {
  const PrintGeometry g =
      PrintGeometryFor({device.width(), device.height(), device.logicalDpiX(), device.logicalDpiY()});
  painter.save();
  painter.resetTransform();
  painter.scale(device.logicalDpiX() / kTwipsPerInch, device.logicalDpiY() / kTwipsPerInch);
  const QFont fontA = PrintoutFont(g.fontA, device);
  const QFont fontB = PrintoutFont(g.fontB, device);
  const PrintUnits units{g.unit, LineHeight(fontA, device), LineHeight(fontB, device)};
  const PrintoutPage items = LayOutPrintoutPage(source, page, units);

  // The device's default pen: black, one device pixel.
  painter.setPen(QPen(Qt::black, 0));
  for (const PrintRule& rule : items.rules) painter.drawLine(Down(rule.x1, rule.y), Down(rule.x2, rule.y));
  for (const PrintText& item : items.texts) {
    if (item.text.empty()) continue;
    const QFont& font = item.font == PrintFont::A ? fontA : fontB;
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &device).ascent();
    painter.drawText(Down(item.x, item.y) + QPointF(0, ascent), QString::fromStdString(item.text));
  }
  painter.restore();
}

bool DrawPrintout(QPagedPaintDevice& device, const PrintoutSource& source, int copies) {
  const QPageRanges ranges = device.pageRanges();
  const int pages = CountChannelPages(source.table).PrintoutPages();
  QPainter painter;
  if (!painter.begin(&device)) return false;
  bool first = true;
  for (int copy = 0; copy < std::max(1, copies); ++copy) {
    for (int page = 1; page <= pages; ++page) {
      if (!ranges.isEmpty() && !ranges.contains(page)) continue;
      if (!first) device.newPage();
      first = false;
      DrawPrintoutPage(painter, device, source, page);
    }
  }
  return painter.end();
}
