#include "gui/app/PasswordDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/settings/ServicePassword.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"

namespace {
constexpr int kServiceChoice = 2;
}

CPasswordDlg::CPasswordDlg(QWidget* parent) : QDialog(parent), m_pEdit(new QLineEdit(this)) {
  setWindowTitle(ResourceText(DialogCaptionKey(Res::kDlgPassword)));
  SetControlId(m_pEdit, Res::kCtlPassword);
  m_pEdit->setEchoMode(QLineEdit::Password);
  m_pEdit->setMaxLength(kServicePasswordMaxLength);
  auto* label = new QLabel(ResourceText(DialogLabelKey(Res::kDlgPassword, Res::kCtlPassword)), this);
  label->setBuddy(m_pEdit);

  QPushButton* ok = MakeDialogButton(this, Res::kDlgPassword, Res::kIdOk);
  QPushButton* cancel = MakeDialogButton(this, Res::kDlgPassword, Res::kIdCancel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CPasswordDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(DluX(this, 16), DluY(this, 15), DluX(this, 16), DluY(this, 10));
  grid->setVerticalSpacing(DluY(this, 12));
  grid->addWidget(label, 0, 0);
  grid->addWidget(m_pEdit, 0, 1, 1, 2);
  grid->addWidget(ok, 1, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(cancel, 1, 2, Qt::AlignRight);
  m_pEdit->setMinimumWidth(DluX(this, 86));
  setMinimumWidth(DluX(this, 152));
}

int CPasswordDlg::DoModal() {
  m_pEdit->setFocus();
  return RunModal(*this);
}

void CPasswordDlg::OnOK() {
  if (m_nPasswordChoice == kServiceChoice && IsServicePassword(ToStd(m_pEdit->text())))
    accept();
  else
    reject();
}
