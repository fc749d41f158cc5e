#pragma once
// The area that holds the channel windows, tiled with "background.bmp" from
// the program folder, or the built-in bitmap when that file is missing.
#include <QMdiArea>

class CBackgroundClient : public QMdiArea {
  Q_OBJECT
 public:
  explicit CBackgroundClient(QWidget* parent = nullptr);
  // The bitmap a paint uses: read again every time, so a replaced file shows
  // at the next repaint.
  static QPixmap BackgroundBitmap(bool* fromFile = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
};
