#include "app/ChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "app/ResourceText.h"
#include "editor/ProgramView.h"
#include "radio/ProgramDoc.h"

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_pView(new CProgramView(m_pDoc.get(), this)) {
  setWidget(m_pView);
  // The system menu's Close answers Ctrl+W as well as Ctrl+F4; Ctrl+W is the
  // Write command's, wherever the focus is.
  if (QMenu* menu = systemMenu())
    for (QAction* action : menu->actions())
      if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  setGeometry(0, 0, 1600, 1200);
  UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::UpdateTitle() { setWindowTitle(FromStd(m_pDoc->GetTitle())); }

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
