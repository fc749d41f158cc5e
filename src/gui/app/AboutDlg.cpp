#include "gui/app/AboutDlg.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "core/shell/StartupRules.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"
#include "gui/widgets/ProgramIcons.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent),
      m_pIcon(new QLabel(this)),
      m_pVersion(new QLabel(this)),
      m_pCopyrights(new QLabel(this)),
      m_pOwner(new QLabel(this)) {
  SetControlId(m_pIcon, Res::kCtlAboutIcon);
  SetControlId(m_pVersion, Res::kCtlAboutVersion);
  SetControlId(m_pCopyrights, Res::kCtlAboutCopyrights);
  SetControlId(m_pOwner, Res::kCtlAboutOwner);
  for (QLabel* line : {m_pVersion, m_pCopyrights, m_pOwner}) line->setTextFormat(Qt::PlainText);
  m_pIcon->setPixmap(BuiltInProgramIcon().pixmap(32, 32));
  m_pIcon->setFixedSize(32, 32);

  QPushButton* ok = MakeDialogButton(this, Res::kDlgAbout, Res::kIdOk);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* lines = new QVBoxLayout;
  lines->setSpacing(DluY(this, 7));
  lines->addWidget(m_pVersion);
  lines->addWidget(m_pCopyrights);
  lines->addWidget(m_pOwner);
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(DluX(this, 10));
  grid->addWidget(m_pIcon, 0, 0, Qt::AlignTop);
  grid->addLayout(lines, 0, 1, Qt::AlignTop);
  grid->addWidget(ok, 0, 2, Qt::AlignTop);
  grid->setColumnStretch(1, 1);
  setMinimumWidth(DluX(this, 235));
}

void CAboutDlg::OnInitDialog() {
  const std::string section = g_strLanguage;
  setWindowTitle(FromStd(g_profile.GetString(section, "About Title", "")));
  m_pVersion->setText(FromStd(g_profile.GetString(section, "Version", "")));
  m_pCopyrights->setText(FromStd(g_profile.GetString(section, "Copyrights", "")));
  m_pOwner->setText(FromStd(g_profile.GetString(section, "Copyrights Owner", "")));
  const QIcon icon = IconFromFile(FromStd(g_strAppDir + kTitleIconFile));
  m_bIconFromFile = !icon.isNull();
  if (m_bIconFromFile) m_pIcon->setPixmap(icon.pixmap(32, 32));
}

int CAboutDlg::DoModal() {
  OnInitDialog();
  return RunModal(*this);
}
