#include "app/BackgroundClient.h"

#include <QPainter>
#include <QPixmap>

#include "app/AppGlobals.h"
#include "app/ProgramIcons.h"
#include "app/ResourceText.h"
#include "app/StartupRules.h"

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
  for (int i = 0; i <= client.width() / w; ++i)
    for (int j = 0; j <= client.height() / h; ++j)
      painter.drawPixmap(client.left() + i * w, client.top() + j * h, bitmap);
}

void CBackgroundClient::resizeEvent(QResizeEvent* event) {
  QMdiArea::resizeEvent(event);
  viewport()->update();
}
