#include "gui/settings/ServiceDlg.h"

#include <QKeyEvent>
#include <QPushButton>

#include "core/files/ProgramDoc.h"
#include "core/link/PortNames.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ParamArea.h"
#include "core/settings/PowerTable.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/TransferRunner.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/DialogParts.h"

LinkSettings ServiceDialogLinkSettings(Direction direction) {
  if (const auto& settings = AppContext().Hooks().serviceLink) return settings(direction);
  return ServiceLinkSettings(direction == Direction::Write);
}

void SetServiceDialogLinkSettings(std::function<LinkSettings(Direction)> settings) {
  AppContext().Hooks().serviceLink = std::move(settings);
}

CServiceDlg::CServiceDlg(int dialogId, ServiceArea area, QWidget* parent)
    : QDialog(parent),
      m_pOk(MakeDialogButton(this, dialogId, Res::kIdOk)),
      m_pCancel(MakeDialogButton(this, dialogId, Res::kIdCancel)),
      m_pRead(MakeDialogButton(this, dialogId, kReadButton)),
      m_pWrite(MakeDialogButton(this, dialogId, kWriteButton)),
      m_area(area),
      m_pRunner(new CTransferRunner(this)) {
  setWindowTitle(ResourceText(DialogCaptionKey(dialogId)));
  connect(m_pOk, &QPushButton::clicked, this, [this] {
    StoreControls();
    accept();
  });
  connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_pRead, &QPushButton::clicked, this, &CServiceDlg::OnRead);
  connect(m_pWrite, &QPushButton::clicked, this, &CServiceDlg::OnWrite);
}

// Only the end of the program gets here during a transfer: the runner waits
// for it (seconds at the most).
CServiceDlg::~CServiceDlg() = default;

int CServiceDlg::DoModal(CProgramDoc& doc, const BandLimits& band) {
  m_pDoc = &doc;
  m_table = m_area == ServiceArea::PowerTable ? PowerTableFor(band) : SquelchTableFor(band);
  OnInitDialog();
  const int result = RunModal(*this);
  m_pDoc = nullptr;
  return result;
}

bool CServiceDlg::IsTransferring() const { return m_pRunner->IsRunning(); }

void CServiceDlg::done(int result) {
  if (!IsTransferring()) QDialog::done(result);
}

void CServiceDlg::OnRead() { Start(Direction::Read); }

void CServiceDlg::OnWrite() {
  // The image keeps the controls' values even when the radio then fails.
  StoreControls();
  Start(Direction::Write);
}

void CServiceDlg::Start(Direction direction) {
  ServiceTransferRequest request;
  request.device = ResolvePortArgument(g_strPortName, g_profile);
  request.direction = direction;
  request.area = m_area;
  request.language = CurrentLanguage();
  const LinkSettings settings = ServiceDialogLinkSettings(direction);
  if (!m_pRunner->Start(request, settings, m_pDoc->image)) return;
  setEnabled(false);
  setCursor(Qt::BusyCursor);
  connect(
      m_pRunner, &CTransferRunner::finished, this,
      [this](const TransferSessionResult& run, const RadioImage& copy) { OnTransferFinished(run.transfer, copy); },
      Qt::SingleShotConnection);
}

void CServiceDlg::OnTransferFinished(const TransferResult& result, const RadioImage& copy) {
  const bool read = result.direction == Direction::Read;
  unsetCursor();
  setEnabled(true);
  (read ? m_pRead : m_pWrite)->setFocus();
  if (result.ok() && read) {
    ChangeImage(*m_pDoc, [&](RadioImage& image) { CopyRanges(ServiceTransferRanges(m_area), copy, image); });
    ShowImage();
  }
  if (!result.message.empty()) ProgramMessageBox(this, FromStd(result.message));
  emit transferFinished();
}

void CServiceDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) FrameServices().ShowHelpForFocus();
  QDialog::keyPressEvent(event);
}
