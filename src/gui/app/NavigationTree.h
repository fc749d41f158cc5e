#pragma once
// The navigation bar's tree. Its items open the radio's editors when the
// current item changes, so only the left button and the keyboard may change
// it; it draws connecting lines, also at the root.
//
// The arrow keys only move the current item (a keyboard user walks past
// items to reach one), and Enter or Space chooses it: itemChosen. The focus
// leaving the tree, or a click on the item the keys reached, puts the root
// back as the current item first, so that a click always changes the
// selection.
#include <QTreeWidget>

class CNavigationTree : public QTreeWidget {
  Q_OBJECT
 public:
  explicit CNavigationTree(QWidget* parent);

  // True while the current item moves by a key or back to the root: a
  // change that runs nothing.
  bool MovingQuietly() const { return m_bQuiet; }

 signals:
  void itemChosen(QTreeWidgetItem* item);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void PutRootBack();

  bool m_bQuiet = false;
};
