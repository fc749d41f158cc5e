#include "gui/app/NavigationBar.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QTreeWidget>

#include "core/profile/ProfileFile.h"
#include "core/shell/AccessibleTexts.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/NavigationTree.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/WindowTexts.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/ProgramIcons.h"

// The width tracker: two dotted lines two pixels apart, drawn over the main
// window while the strip is dragged.
class CTrackerLine : public QWidget {
 public:
  explicit CTrackerLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawLine(0, 0, 0, height());
    painter.drawLine(2, 0, 2, height());
  }
};

namespace {
QRect ToQRect(const NavRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }
}  // namespace

CNavigationBar::CNavigationBar(QMainWindow* frame, QWidget* parent) : QWidget(parent), m_pFrame(frame) {
  m_strCaption = FromStd(g_profile.GetString(g_strLanguage, "company", ""));
}

bool CNavigationBar::Initialize() {
  setWindowTitle(QStringLiteral("IE Control Bar"));
  m_font = font();
  m_font.setFamilies({QStringLiteral("Time New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  m_font.setPixelSize(14);
  m_font.setWeight(QFont::Normal);
  m_font.setItalic(false);
  setFont(m_font);

  m_tree = new CNavigationTree(this);
  SetControlId(m_tree, Res::kCtlNavTree);
  m_tree->setAccessibleName(LangString(kA11yNavigationTree));
  m_tree->setFont(m_font);
  m_tree->header()->hide();
  m_tree->setColumnCount(1);
  m_tree->setRootIsDecorated(true);
  // The bar sees no move of a pointer that jumps from the close button
  // into the tree.
  m_tree->viewport()->installEventFilter(this);
  m_tree->show();

  m_pTracker = new CTrackerLine(m_pFrame);
  setMouseTracking(true);
  setFixedWidth(m_nWidth);
  CalcDynamicLayout();
  return true;
}

QString CNavigationBar::CloseTip() { return LangString(kCloseTip); }

QRect CNavigationBar::CloseButtonRect() const { return m_rcClose.IsEmpty() ? QRect() : ToQRect(m_rcClose); }

int CNavigationBar::FrameClientWidth() const { return m_pFrame->width(); }

int CNavigationBar::FrameClientHeight() const {
  const QWidget* menu = m_pFrame->menuWidget();
  return m_pFrame->height() - (menu != nullptr && menu->isVisible() ? menu->height() : 0);
}

QSize CNavigationBar::CalcDynamicLayout() {
  const int h = FrameClientHeight();
  if (m_tree != nullptr) m_tree->setGeometry(ToQRect(NavTreeRect(m_nWidth, h, height())));
  return {m_nWidth, h};
}

void CNavigationBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  CalcDynamicLayout();
}

void CNavigationBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor grey = palette().color(QPalette::Disabled, QPalette::WindowText);
  const NavRect outline = NavOutline(width(), height());
  p.setPen(grey);
  p.drawRect(ToQRect(outline));
  p.setPen(Qt::white);
  p.drawLine(outline.left + 1, outline.top + 1, outline.left + 1, outline.bottom - 1);
  p.drawLine(outline.left + 1, outline.top + 1, outline.right - 1, outline.top + 1);
  p.drawLine(outline.right, outline.top, outline.right, outline.bottom);
  p.drawLine(outline.left, outline.bottom, outline.right + 1, outline.bottom);
  m_rcFrame = NavInnerFrame(outline);

  p.setFont(m_font);
  p.setPen(palette().color(QPalette::WindowText));
  const int textWidth = p.fontMetrics().horizontalAdvance(m_strCaption);
  p.drawText(QRect(m_rcFrame.left + 5, m_rcFrame.top, textWidth, m_nCaptionHeight),
             Qt::AlignVCenter | Qt::TextSingleLine, m_strCaption);
  p.setPen(grey);
  p.drawLine(m_rcFrame.left + 1, m_rcFrame.top + 22, m_rcFrame.right, m_rcFrame.top + 22);

  m_rcClose = NavCloseButton(m_rcFrame);
  const QRect close = ToQRect(m_rcClose);
  if (m_bCloseHot || m_bClosePressed) {
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor topLeft = m_bCloseHot ? light : shadow;
    const QColor bottomRight = m_bCloseHot ? shadow : light;
    p.setPen(topLeft);
    p.drawLine(close.topLeft(), close.topRight());
    p.drawLine(close.topLeft(), close.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(close.bottomLeft(), close.bottomRight());
    p.drawLine(close.topRight(), close.bottomRight());
  }
  CloseGlyph().paint(&p, QRect(close.topLeft(), QSize(16, 16)));
}

bool CNavigationBar::event(QEvent* event) {
  if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) ClearCloseOutline();
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (m_rcClose.Contains(help->pos().x(), help->pos().y()))
      QToolTip::showText(help->globalPos(), CloseTip(), this, ToQRect(m_rcClose));
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(event);
}

bool CNavigationBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) ClearCloseOutline();
  return QWidget::eventFilter(watched, event);
}

void CNavigationBar::ClearCloseOutline() {
  if (!m_bCloseHot && !m_bClosePressed) return;
  m_bCloseHot = false;
  m_bClosePressed = false;
  update(ToQRect(m_rcClose));
}

void CNavigationBar::UpdateCursor(const QPoint& point) {
  if (NavWidthStrip(m_rcFrame).Contains(point.x(), point.y()) || m_bSizing)
    setCursor(Qt::SplitHCursor);
  else
    setCursor(Qt::ArrowCursor);
}

void CNavigationBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  if (!m_rcClose.IsEmpty()) {
    m_bMouseDown = true;
    m_bCloseHot = false;
    m_bClosePressed = m_rcClose.Contains(point.x(), point.y());
    update(ToQRect(m_rcClose));
  }
  if (NavWidthStrip(m_rcFrame).Contains(point.x(), point.y())) m_bSizing = true;
}

void CNavigationBar::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  UpdateCursor(point);
  if (m_bSizing) {
    EraseTracker();
    ShowTracker(NavTrackerX(point.x(), FrameClientWidth()));
  }
  if (m_rcClose.Contains(point.x(), point.y())) {
    if (!m_bCloseHot) {
      m_bCloseHot = !m_bMouseDown;
      m_bClosePressed = m_bMouseDown;
      update(ToQRect(m_rcClose));
    }
  } else {
    ClearCloseOutline();
  }
}

void CNavigationBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  m_bClosePressed = false;
  m_bCloseHot = false;
  m_bMouseDown = false;
  EraseTracker();
  if (m_rcClose.Contains(point.x(), point.y())) {
    update(ToQRect(m_rcClose));
    emit closeRequested();
  }
  if (m_bSizing) {
    m_nWidth = NavReleaseWidth(point.x(), FrameClientWidth());
    setFixedWidth(m_nWidth);
    CalcDynamicLayout();
    update();
  }
  m_bSizing = false;
  UpdateCursor(point);
}

void CNavigationBar::mouseDoubleClickEvent(QMouseEvent*) {}

void CNavigationBar::ShowTracker(int x) {
  const QPoint top = mapTo(m_pFrame, QPoint(x, 0));
  m_pTracker->setGeometry(top.x(), top.y(), 3, qMax(0, height() - 43));
  m_pTracker->show();
  m_pTracker->raise();
  m_nTrackerX = x;
  m_bTrackerShown = true;
}

void CNavigationBar::EraseTracker() {
  m_pTracker->hide();
  m_bTrackerShown = false;
  m_nTrackerX = 0;
}
