#include "editor/ProgramView.h"

#include <QKeyEvent>
#include <QMdiSubWindow>

#include "app/AppGlobals.h"
#include "app/ControlId.h"
#include "app/DialogUnits.h"
#include "app/HtmlHelp.h"
#include "app/LanguageRestart.h"
#include "app/ProgramIcons.h"
#include "app/ResourceIds.h"
#include "app/ResourceText.h"
#include "app/StartupRules.h"

namespace {
constexpr int kFormWidthDlu = 439;
constexpr int kFormHeightDlu = 218;
}  // namespace

CProgramView::CProgramView(CProgramDoc* doc, QWidget* parent)
    : QWidget(parent), m_dlgLanguage(this), m_dlgComSetup(this), m_pDoc(doc) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
}

QSize CProgramView::FormSize() const { return {DluX(this, kFormWidthDlu), DluY(this, kFormHeightDlu)}; }

void CProgramView::OnInitialUpdate() {
  LoadStoredPortName();
  // Shrink the channel window to the form, never grow it.
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    const QSize border = frame->size() - size();
    const QSize wanted = FormSize() + border;
    frame->resize(frame->size().boundedTo(wanted));
    const QIcon icon = IconFromFile(FromStd(g_strAppDir + kTitleIconFile));
    if (!icon.isNull()) frame->setWindowIcon(icon);
  }
}

bool CProgramView::HandlesCommand(int command) const {
  return command == Cmd::kLanguage || command == Cmd::kComSetup;
}

bool CProgramView::OnCommand(int command) {
  if (command == Cmd::kComSetup) {
    m_dlgComSetup.DoModal();
    return true;
  }
  if (command != Cmd::kLanguage) return false;
  OnLanguage();
  return true;
}

void CProgramView::OnLanguage() {
  if (m_dlgLanguage.DoModal() == QDialog::Accepted && m_dlgLanguage.m_bChanged)
    RestartAfterLanguageChange(window());
}

void CProgramView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    HelpForFocusedControl(HelpOwner());
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
