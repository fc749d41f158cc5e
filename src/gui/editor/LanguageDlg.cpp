#include "gui/editor/LanguageDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/files/SafeFileWrite.h"
#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "core/shell/StartupRules.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/WindowTexts.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"

CLanguageDlg::CLanguageDlg(QWidget* parent)
    : QDialog(parent),
      m_pEnglish(new QRadioButton(ResourceText(DialogControlKey(Res::kDlgLanguage, Res::kCtlEnglish)), this)),
      m_pChinese(new QRadioButton(ResourceText(DialogControlKey(Res::kDlgLanguage, Res::kCtlChinese)), this)) {
  setWindowTitle(ResourceText(DialogCaptionKey(Res::kDlgLanguage)));
  SetControlId(m_pEnglish, Res::kCtlEnglish);
  SetControlId(m_pChinese, Res::kCtlChinese);
  auto* group = new QButtonGroup(this);
  group->addButton(m_pEnglish, 0);
  group->addButton(m_pChinese, 1);

  QPushButton* ok = MakeDialogButton(this, Res::kDlgLanguage, Res::kIdOk);
  QPushButton* cancel = MakeDialogButton(this, Res::kDlgLanguage, Res::kIdCancel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CLanguageDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* choices = new QVBoxLayout;
  choices->addWidget(m_pEnglish);
  choices->addWidget(m_pChinese);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(DluX(this, 14), DluY(this, 10), DluX(this, 10), DluY(this, 10));
  layout->addLayout(choices, 1);
  layout->addLayout(buttons);
  setMinimumSize(DluX(this, 159), DluY(this, 75));
}

void CLanguageDlg::OnInitDialog() {
  m_nLanguage = static_cast<int>(LanguageIndex(g_language));
  (m_nLanguage == 1 ? m_pChinese : m_pEnglish)->setChecked(true);
}

int CLanguageDlg::DoModal() {
  OnInitDialog();
  return RunModal(*this);
}

void CLanguageDlg::OnOK() {
  m_nLanguage = m_pChinese->isChecked() ? 1 : (m_pEnglish->isChecked() ? 0 : -1);
  const int current = static_cast<int>(LanguageIndex(g_language));
  const std::string chosen = LanguageChoiceName(m_nLanguage);
  if (m_nLanguage != current && !chosen.empty()) {
    const CProfileFile::SaveResult saved = g_profile.SetStringAndSave("Setup", "Language", chosen);
    if (saved.ok) {
      m_bChanged = true;
    } else {
      // Restarting would only come back in the old language.
      const QString reason = QString::fromStdString(FileErrorText(saved.sysError, CurrentLanguage()));
      const QString path = FromStd(g_profile.Path());
      ProgramMessageBox(this, LangString(kLanguageNotSaved).arg(path, reason), QMessageBox::Ok, QMessageBox::Warning);
    }
  }
  accept();
}

void CLanguageDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) FrameServices().ShowCommandHelp(Cmd::kLanguage, nullptr);
  QDialog::keyPressEvent(event);
}
