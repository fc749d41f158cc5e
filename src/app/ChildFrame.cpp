#include "app/ChildFrame.h"

#include <QCloseEvent>

#include "app/ResourceText.h"
#include "editor/ProgramView.h"
#include "radio/ProgramDoc.h"

CChildFrame::CChildFrame(std::unique_ptr<CProgramDoc> doc, QWidget* parent)
    : QMdiSubWindow(parent), m_pDoc(std::move(doc)), m_pView(new CProgramView(m_pDoc.get(), this)) {
  setWidget(m_pView);
  setGeometry(0, 0, 1600, 1200);
  UpdateTitle();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::UpdateTitle() { setWindowTitle(FromStd(m_pDoc->GetTitle())); }

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}
