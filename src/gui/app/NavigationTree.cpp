#include "gui/app/NavigationTree.h"

#include <QCommonStyle>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>

namespace {

// The program's style for everything but the branches, which get the dotted
// connecting lines and plus/minus boxes of the common style.
class CTreeLineStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorBranch)
      m_lines.drawPrimitive(element, option, painter, widget);
    else
      QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

 private:
  QCommonStyle m_lines;
};

bool MovesTheCurrentItem(const QMouseEvent* event) { return event->button() == Qt::LeftButton; }

}  // namespace

CNavigationTree::CNavigationTree(QWidget* parent) : QTreeWidget(parent) {
  auto* style = new CTreeLineStyle;
  style->setParent(this);
  setStyle(style);
}

void CNavigationTree::mousePressEvent(QMouseEvent* event) {
  if (!MovesTheCurrentItem(event)) return;
  // A click on the item the keys reached opens it, as a click on any other
  // item does: the root comes back first, so the click changes the selection.
  if (QTreeWidgetItem* item = itemAt(event->position().toPoint()); item != nullptr && item == currentItem())
    PutRootBack();
  QTreeWidget::mousePressEvent(event);
}

void CNavigationTree::mouseReleaseEvent(QMouseEvent* event) {
  if (MovesTheCurrentItem(event)) QTreeWidget::mouseReleaseEvent(event);
}

void CNavigationTree::mouseDoubleClickEvent(QMouseEvent* event) {
  if (MovesTheCurrentItem(event)) QTreeWidget::mouseDoubleClickEvent(event);
}

void CNavigationTree::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && currentItem() != nullptr) {
    emit itemChosen(currentItem());
    return;
  }
  m_bQuiet = true;
  QTreeWidget::keyPressEvent(event);
  m_bQuiet = false;
}

void CNavigationTree::focusOutEvent(QFocusEvent* event) {
  QTreeWidget::focusOutEvent(event);
  PutRootBack();
}

void CNavigationTree::PutRootBack() {
  QTreeWidgetItem* root = topLevelItem(0);
  if (root == nullptr || currentItem() == root) return;
  m_bQuiet = true;
  setCurrentItem(root, 0, QItemSelectionModel::ClearAndSelect);
  m_bQuiet = false;
}
