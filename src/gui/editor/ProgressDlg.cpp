#include "gui/editor/ProgressDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "core/shell/AccessibleTexts.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"
#include "gui/widgets/SpokenNotice.h"

namespace {
constexpr int kCtlBar = 1001;
constexpr int kCtlPercent = 1009;
}  // namespace

CProgressDlg::CProgressDlg(QWidget* parent)
    : QDialog(parent),
      m_pOk(MakeDialogButton(this, Res::kDlgProgress, Res::kIdOk)),
      m_pCancel(MakeDialogButton(this, Res::kDlgProgress, Res::kIdCancel)),
      m_pBar(new QProgressBar(this)),
      m_pPercent(new QLabel(this)),
      m_pNotice(new CSpokenNotice(this)) {
  setWindowTitle(ResourceText(DialogCaptionKey(Res::kDlgProgress)));
  // A fixed dialog, as its template is: a caption with its close box only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  SetControlId(m_pBar, kCtlBar);
  SetControlId(m_pPercent, kCtlPercent);
  m_pBar->setAccessibleName(LangString(kA11yProgressBar));
  SetProgress(0, QStringLiteral("0"));
  m_pOk->setDefault(true);
  m_pBar->setTextVisible(false);
  m_pBar->setFixedHeight(DluY(this, 9));
  m_pPercent->setAlignment(Qt::AlignCenter);
  m_pPercent->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_pPercent->setMinimumWidth(DluX(this, 40));
  connect(m_pOk, &QPushButton::clicked, this, &CProgressDlg::OnOK);
  connect(m_pCancel, &QPushButton::clicked, this, &CProgressDlg::reject);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(DluX(this, 23), DluY(this, 21), DluX(this, 24), DluY(this, 19));
  layout->setVerticalSpacing(DluY(this, 10));
  layout->addWidget(m_pBar, 0, 0, 1, 3);
  layout->addWidget(m_pOk, 1, 0, Qt::AlignLeft);
  layout->addWidget(m_pPercent, 1, 1, Qt::AlignHCenter);
  layout->addWidget(m_pCancel, 1, 2, Qt::AlignRight);
  setMinimumSize(DluX(this, 206), DluY(this, 73));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CProgressDlg::OnInitDialog(const QString& caption, int blocks) {
  setWindowTitle(caption);
  m_pBar->setRange(0, blocks);
  SetProgress(0, QStringLiteral("0"));
  StartRefused();
}

void CProgressDlg::StartRefused() {
  m_pOk->setEnabled(true);
  m_pCancel->setAutoDefault(true);
  m_bCancel = false;
  m_pOk->setFocus();
}

void CProgressDlg::SetProgress(int done, const QString& percent) {
  m_pPercent->setText(percent);
  // The bar and the percentage's name change in steps, and each quarter is
  // said, as the percentage has no focus to be heard by.
  const int reached = m_pBar->maximum() > 0 ? done * 100 / m_pBar->maximum() : 0;
  const int before = m_nShownPercent;
  m_nShownPercent = reached;
  if (reached == 0 || reached < before || ReachesProgressStep(before, reached, kBarProgressStep))
    m_pBar->setValue(done);
  if (reached != 0 && !ReachesProgressStep(before, reached, kSpokenProgressStep)) return;
  const QString name = FromStd(PercentageName(ToStd(percent), CurrentLanguage()));
  m_pPercent->setAccessibleName(name);
  if (reached != 0) m_pNotice->Say(name);
}

void CProgressDlg::BeginPass(const QString& caption) {
  setWindowTitle(caption);
  SetProgress(0, QStringLiteral("0"));
}

bool CProgressDlg::Started() const { return !m_pOk->isEnabled(); }

void CProgressDlg::OnOK() {
  if (Started()) return;
  m_pOk->setEnabled(false);
  // The focus passes to Cancel; a second Enter must not cancel what the
  // first one started (Escape, Space and a click still do).
  m_pCancel->setAutoDefault(false);
  emit startRequested();
}

void CProgressDlg::reject() {
  m_bCancel = true;
  emit cancelRequested();
  // A transfer under way ends at its next block; its owner closes the window.
  if (!Started()) QDialog::reject();
}
