#include "gui/app/NavigationTree.h"

#include <QCommonStyle>
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
  if (MovesTheCurrentItem(event)) QTreeWidget::mousePressEvent(event);
}

void CNavigationTree::mouseReleaseEvent(QMouseEvent* event) {
  if (MovesTheCurrentItem(event)) QTreeWidget::mouseReleaseEvent(event);
}

void CNavigationTree::mouseDoubleClickEvent(QMouseEvent* event) {
  if (MovesTheCurrentItem(event)) QTreeWidget::mouseDoubleClickEvent(event);
}
