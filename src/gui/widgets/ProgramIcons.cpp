#include "gui/widgets/ProgramIcons.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <functional>
#include <initializer_list>

#include "core/shell/ResourceIds.h"

namespace {
QPixmap Draw(int size, const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return pixmap;
}

// The closed outline through `corners`, in order.
QPainterPath Outline(std::initializer_list<QPointF> corners) {
  QPainterPath path;
  path.moveTo(*corners.begin());
  for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner) path.lineTo(*corner);
  path.closeSubpath();
  return path;
}

// A hand-held radio: antenna, body, display and speaker slots.
void PaintRadio(QPainter& p, int size) {
  const qreal u = size / 32.0;
  p.scale(u, u);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(70, 70, 70));
  p.drawRoundedRect(QRectF(18, 1, 3, 9), 1, 1);
  p.setBrush(QColor(34, 90, 160));
  p.drawRoundedRect(QRectF(8, 8, 16, 23), 3, 3);
  p.setBrush(QColor(190, 230, 200));
  p.drawRect(QRectF(11, 11, 10, 6));
  p.setPen(QPen(QColor(220, 230, 240), 1.3));
  for (int y = 20; y <= 28; y += 3) p.drawLine(QPointF(12, y), QPointF(20, y));
}

void PaintPage(QPainter& p) {
  p.setPen(QColor(80, 80, 80));
  p.setBrush(Qt::white);
  p.drawPath(Outline({{3, 1.5}, {10, 1.5}, {13.5, 5}, {13.5, 14.5}, {3, 14.5}}));
  p.drawLine(QPointF(10, 1.5), QPointF(10, 5));
  p.drawLine(QPointF(10, 5), QPointF(13.5, 5));
}

void PaintFolder(QPainter& p) {
  p.setPen(QColor(140, 100, 20));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(QRectF(1.5, 4.5, 13, 9));
  p.drawRect(QRectF(1.5, 3, 5, 2));
  p.setBrush(QColor(250, 220, 120));
  p.drawPath(Outline({{3.5, 7}, {15, 7}, {13.5, 13.5}, {1.5, 13.5}}));
}

void PaintDisk(QPainter& p) {
  p.setPen(QColor(20, 40, 90));
  p.setBrush(QColor(50, 90, 170));
  p.drawRect(QRectF(1.5, 1.5, 13, 13));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 1.5, 8, 5));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(4, 9, 8, 5.5));
}

// An arrow between the radio (top) and the tray (bottom).
void PaintTransfer(QPainter& p, bool towardsRadio) {
  p.setPen(QColor(60, 60, 60));
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(QRectF(1.5, 11.5, 13, 3));
  const QColor colour = towardsRadio ? QColor(200, 60, 40) : QColor(40, 150, 60);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  // Drawn pointing up, and mirrored about its middle for the other way.
  QPainterPath arrow = Outline({{8, 0.5}, {13, 5.5}, {10, 5.5}, {10, 10}, {6, 10}, {6, 5.5}, {3, 5.5}});
  if (!towardsRadio) arrow = QTransform(1, 0, 0, -1, 0, 11).map(arrow);
  p.drawPath(arrow);
}

void PaintPrinter(QPainter& p) {
  p.setPen(QColor(60, 60, 60));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(150, 150, 150));
  p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 10, 7, 4.5));
  p.setPen(QColor(60, 160, 60));
  p.drawPoint(QPointF(12.5, 8));
}

// Drawn as strokes rather than text: a glyph would load a bold font face
// just for this button before the window can first be shown.
void PaintQuestion(QPainter& p) {
  p.setPen(QColor(20, 60, 140));
  p.setBrush(QColor(60, 120, 210));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  QPainterPath hook;
  const QRectF bend(5.8, 3.6, 4.4, 4.4);
  hook.arcMoveTo(bend, 165);
  hook.arcTo(bend, 165, -255);
  hook.lineTo(8, 9.3);
  p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(hook);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(8, 11.9), 1, 1);
}

void PaintClose(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
  p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
}
}  // namespace

QIcon BuiltInProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) icon.addPixmap(Draw(size, [size](QPainter& p) { PaintRadio(p, size); }));
  return icon;
}

QPixmap BuiltInBackground() {
  QPixmap tile(64, 64);
  tile.fill(QColor(118, 138, 160));
  QPainter p(&tile);
  p.setPen(QColor(128, 148, 170));
  for (int d = -64; d < 64; d += 8) p.drawLine(d, 0, d + 64, 64);
  return tile;
}

QIcon CloseGlyph() { return QIcon(Draw(16, PaintClose)); }

QIcon TreeRootImage() {
  return QIcon(Draw(16, [](QPainter& p) { PaintRadio(p, 16); }));
}

QIcon TreeItemImage() { return QIcon(Draw(16, PaintPage)); }

QIcon ToolBarIcon(int command) {
  switch (command) {
    case Cmd::kFileNew: return QIcon(Draw(16, PaintPage));
    case Cmd::kFileOpen: return QIcon(Draw(16, PaintFolder));
    case Cmd::kFileSave: return QIcon(Draw(16, PaintDisk));
    case Cmd::kRead: return QIcon(Draw(16, [](QPainter& p) { PaintTransfer(p, false); }));
    case Cmd::kWrite: return QIcon(Draw(16, [](QPainter& p) { PaintTransfer(p, true); }));
    case Cmd::kFilePrint: return QIcon(Draw(16, PaintPrinter));
    case Cmd::kAppAbout: return QIcon(Draw(16, PaintQuestion));
    default: return {};
  }
}

QIcon IconFromFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return {};
  // Every size the file holds, read once here: an icon made from the path
  // would read the file again when it is first drawn.
  QImageReader reader(path);
  QIcon icon;
  do {
    const QImage image = reader.read();
    if (image.isNull()) break;
    icon.addPixmap(QPixmap::fromImage(image));
  } while (reader.jumpToNextImage());
  return icon;
}
