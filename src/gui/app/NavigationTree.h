#pragma once
// The navigation bar's tree. Its items open the radio's editors when the
// current item changes, so only the left button and the keyboard may change
// it; it draws connecting lines, also at the root.
#include <QTreeWidget>

class CNavigationTree : public QTreeWidget {
  Q_OBJECT
 public:
  explicit CNavigationTree(QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};
