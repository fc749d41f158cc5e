#pragma once
// The panel at the left edge of the main window: a painted frame with the
// application's name as caption, a close button, and the tree that opens the
// radio's editors. Its right strip drags its width; it never floats.
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include "core/shell/NavBarGeometry.h"
#include "gui/app/NavigationTree.h"

class QMainWindow;
class CTrackerLine;

class CNavigationBar : public QWidget {
  Q_OBJECT
 public:
  // Reads the caption from the profile ("company" of the language section).
  CNavigationBar(QMainWindow* frame, QWidget* parent);
  // Creates the font and the tree; called once right after construction.
  bool Initialize();
  // Places the tree and returns the size the bar wants: (width, frame height).
  QSize CalcDynamicLayout();

  CNavigationTree* Tree() const { return m_tree; }
  // The close button, as its click and a screen reader's press use it.
  QRect CloseButtonRect() const;
  void PressClose() { emit closeRequested(); }
  static QString CloseTip();
  int TrackerX() const { return m_bTrackerShown ? m_nTrackerX : -1; }  // bar coordinates
  int FrameClientWidth() const;
  int FrameClientHeight() const;

  QFont m_font;
  NavRect m_rcFrame;
  QString m_strCaption;
  int m_nCaptionHeight = kNavCaptionHeight;
  int m_nWidth = kNavInitialWidth;
  CNavigationTree* m_tree = nullptr;
  bool m_bSizing = false;
  NavRect m_rcClose;  // empty until the first paint
  bool m_bMouseDown = false;
  bool m_bCloseHot = false;
  bool m_bClosePressed = false;

 signals:
  void closeRequested();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ShowTracker(int x);
  void EraseTracker();
  void UpdateCursor(const QPoint& point);
  // The close button drawn flat again, however the pointer left it.
  void ClearCloseOutline();

  QMainWindow* m_pFrame;
  CTrackerLine* m_pTracker = nullptr;
  int m_nTrackerX = 0;
  bool m_bTrackerShown = false;
};
