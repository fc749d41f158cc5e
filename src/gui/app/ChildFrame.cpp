#include "gui/app/ChildFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

#include "core/files/ProgramDoc.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/ResourceText.h"

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_pView(new CProgramView(m_pDoc.get(), this)) {
  setWidget(m_pView);
  setGeometry(0, 0, 1600, 1200);
  UpdateTitle();
  m_pDoc->SetModifiedObserver([this](bool modified) {
    setWindowModified(modified);
    emit DocumentChanged(modified);
  });
  // The system menu's Close answers Ctrl+W, which is the frame's Write:
  // the window keeps Ctrl+F4 and its close box.
  for (QAction* action : systemMenu()->actions()) {
    QList<QKeySequence> keys = action->shortcuts();
    if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0) action->setShortcuts(keys);
  }
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::UpdateTitle() {
  // "[*]" marks where Qt shows the modified mark; a "[*]" in the file's own
  // name is doubled to be shown as it is.
  setWindowTitle(FromStd(m_pDoc->GetTitle()).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                 QStringLiteral("[*]"));
  setWindowModified(m_pDoc->IsModified());
}

void CChildFrame::ShowAndActivate() {
  showNormal();
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
