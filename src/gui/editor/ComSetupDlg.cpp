#include "gui/editor/ComSetupDlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/link/PortProbe.h"
#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/UserSettings.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"

namespace {
constexpr int kFirstPortControl = 1006;  // + n
constexpr int kColumns = 4;
constexpr const char* kPortSetting = "com";
}  // namespace

CComSetupDlg::CComSetupDlg(QWidget* parent) : QDialog(parent), m_pGroup(new QButtonGroup(this)) {
  setWindowTitle(ResourceText(DialogCaptionKey(Res::kDlgPort)));
  // A fixed dialog, as its template is: a caption with its close box only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* box = new QGroupBox(ResourceText(DialogGroupKey(Res::kDlgPort, 1)), this);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(DluX(this, 9));
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    auto* button = new QRadioButton(QStringLiteral("COM%1").arg(n), box);
    SetControlId(button, kFirstPortControl + n);
    m_pGroup->addButton(button, n);
    m_ports.at(static_cast<std::size_t>(n - kFirstPort)) = button;
    grid->addWidget(button, (n - kFirstPort) / kColumns, (n - kFirstPort) % kColumns);
  }

  QPushButton* ok = MakeDialogButton(this, Res::kDlgPort, Res::kIdOk);
  QPushButton* cancel = MakeDialogButton(this, Res::kDlgPort, Res::kIdCancel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CComSetupDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(1);
  buttons->addWidget(cancel);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(DluX(this, 16), DluY(this, 13), DluX(this, 15), DluY(this, 10));
  layout->addWidget(box);
  layout->addSpacing(DluY(this, 6));
  layout->addLayout(buttons);
  setMinimumSize(DluX(this, 227), DluY(this, 134));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CComSetupDlg::OnInitDialog() {
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    const std::string device = DevicePathForPort(n, g_profile);
    QRadioButton* button = PortButton(n);
    const ProbeResult probe = ProbePort(device);
    button->setEnabled(probe.status == ProbeStatus::Available);
    button->setToolTip(FromStd(PortStateText(device, probe, CurrentLanguage())));
  }
  // The current port is checked only when it can be opened now; its number
  // is read back from the name as the name rule wrote it.
  m_pGroup->setExclusive(false);
  for (QRadioButton* button : m_ports) button->setChecked(false);
  m_pGroup->setExclusive(true);
  const std::optional<int> current = PortNumberFromName(g_strPortName);
  if (current && *current >= kFirstPort && *current <= kLastPort && PortButton(*current)->isEnabled())
    PortButton(*current)->setChecked(true);
}

int CComSetupDlg::DoModal() {
  OnInitDialog();
  return RunModal(*this);
}

void CComSetupDlg::OnOK() {
  const int n = m_pGroup->checkedId();
  if (n >= kFirstPort && n <= kLastPort) {
    g_strPortName = PortNameFromNumber(n);
    WriteUserChoice(this, kPortSetting, n);
  }
  accept();
}

void LoadStoredPortName() { g_strPortName = PortNameFromNumber(ReadUserNumber(kPortSetting, kFirstPort)); }
