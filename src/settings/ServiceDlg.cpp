#include "settings/ServiceDlg.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <QPushButton>

#include "app/AppGlobals.h"
#include "app/HtmlHelp.h"
#include "app/ResourceIds.h"
#include "app/ResourceTable.h"
#include "app/ResourceText.h"
#include "app/UiHooks.h"
#include "link/PortNames.h"
#include "profile/ProfileFile.h"
#include "radio/ProgramDoc.h"
#include "settings/DialogParts.h"
#include "settings/ParamArea.h"
#include "settings/PowerTable.h"

namespace {
std::function<LinkSettings(Direction)>& SettingsOverride() {
  static std::function<LinkSettings(Direction)> settings;
  return settings;
}
}  // namespace

LinkSettings ServiceDialogLinkSettings(Direction direction) {
  if (SettingsOverride()) return SettingsOverride()(direction);
  return ServiceLinkSettings(direction == Direction::Write);
}

void SetServiceDialogLinkSettings(std::function<LinkSettings(Direction)> settings) {
  SettingsOverride() = std::move(settings);
}

CServiceDlg::CServiceDlg(int dialogId, ServiceArea area, QWidget* parent)
    : QDialog(parent),
      m_pOk(MakeDialogButton(this, dialogId, Res::kIdOk)),
      m_pCancel(MakeDialogButton(this, dialogId, Res::kIdCancel)),
      m_pRead(MakeDialogButton(this, dialogId, kReadButton)),
      m_pWrite(MakeDialogButton(this, dialogId, kWriteButton)),
      m_area(area) {
  setWindowTitle(ResourceText(DialogCaptionKey(dialogId)));
  connect(m_pOk, &QPushButton::clicked, this, [this] {
    StoreControls();
    accept();
  });
  connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_pRead, &QPushButton::clicked, this, &CServiceDlg::OnRead);
  connect(m_pWrite, &QPushButton::clicked, this, &CServiceDlg::OnWrite);
}

CServiceDlg::~CServiceDlg() {
  // Only the end of the program gets here during a transfer; it has no
  // cancel, and ends within seconds.
  if (m_thread.joinable()) m_thread.join();
}

int CServiceDlg::DoModal(CProgramDoc& doc, const BandLimits& band) {
  m_pDoc = &doc;
  m_table = m_area == ServiceArea::PowerTable ? PowerTableFor(band) : SquelchTableFor(band);
  OnInitDialog();
  const int result = RunModal(*this);
  m_pDoc = nullptr;
  return result;
}

bool CServiceDlg::IsTransferring() const { return m_thread.joinable(); }

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
  if (IsTransferring()) return;
  ServiceTransferRequest request;
  request.device = ResolvePortArgument(g_strPortName, g_profile);
  request.direction = direction;
  request.area = m_area;
  request.chinese = g_bChinese;
  const LinkSettings settings = ServiceDialogLinkSettings(direction);
  setEnabled(false);
  setCursor(Qt::BusyCursor);
  m_thread = std::thread([this, request, settings, copy = RadioImage(m_pDoc->image)]() mutable {
    const TransferResult result = RunServiceTransfer(request, settings, copy);
    QMetaObject::invokeMethod(
        this, [this, direction = request.direction, result, copy] { OnTransferFinished(direction, result, copy); },
        Qt::QueuedConnection);
  });
}

void CServiceDlg::OnTransferFinished(Direction direction, const TransferResult& result, const RadioImage& copy) {
  m_thread.join();
  unsetCursor();
  setEnabled(true);
  (direction == Direction::Read ? m_pRead : m_pWrite)->setFocus();
  if (result.ok() && direction == Direction::Read) {
    ChangeImage(*m_pDoc, [&](RadioImage& image) { CopyRanges(ServiceTransferRanges(m_area), copy, image); });
    ShowImage();
  }
  if (!result.message.empty()) ProgramMessageBox(this, FromStd(result.message));
  emit transferFinished();
}

void CServiceDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) HelpForFocusedControl(HelpOwner());
  QDialog::keyPressEvent(event);
}
