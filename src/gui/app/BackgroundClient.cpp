#include "gui/app/BackgroundClient.h"

#include <QPainter>
#include <QPixmap>

#include "core/shell/StartupRules.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ProgramIcons.h"

CBackgroundClient::CBackgroundClient(QWidget* parent) : QMdiArea(parent) {
  // A channel window wider or taller than the frame stays reachable.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QPixmap CBackgroundClient::BackgroundBitmap(bool* fromFile) {
  QPixmap bitmap(FromStd(g_strAppDir + kBackgroundFile));
  if (fromFile != nullptr) *fromFile = !bitmap.isNull();
  return bitmap.isNull() ? BuiltInBackground() : bitmap;
}

void CBackgroundClient::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPixmap bitmap = BackgroundBitmap();
  const QRect client = viewport()->rect();
  const int w = bitmap.width();
  const int h = bitmap.height();
  if (w <= 0 || h <= 0) return;
  // Tiles at (left + i·w, top + j·h) for i = 0 … width / w and j = 0 … height / h,
  // filled in one pass: a hundred separate small draws each hand their rows
  // to the raster engine's threads and wait for them.
  const QRect tiles(client.topLeft(), QSize((client.width() / w + 1) * w, (client.height() / h + 1) * h));
  painter.drawTiledPixmap(tiles, bitmap);
}

void CBackgroundClient::resizeEvent(QResizeEvent* event) {
  QMdiArea::resizeEvent(event);
  viewport()->update();
}
