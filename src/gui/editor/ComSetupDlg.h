#pragma once
// The Port Setting dialog: COM1-COM16, each enabled only when its device
// can be opened now, the current port checked; OK makes the checked port
// the one every later transfer opens and stores it for the next start.
#include <QDialog>
#include <array>

#include "core/link/PortNames.h"

class QButtonGroup;
class QRadioButton;

class CComSetupDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CComSetupDlg(QWidget* parent = nullptr);

  // Probes every port and checks the current one.
  void OnInitDialog();
  int DoModal();

  // The button of port n (1-16), control id 1006 + n.
  QRadioButton* PortButton(int n) const { return m_ports.at(static_cast<std::size_t>(n - kFirstPort)); }

 public slots:
  void OnOK();

 private:
  QButtonGroup* m_pGroup;
  std::array<QRadioButton*, kLastPort - kFirstPort + 1> m_ports{};
};

// g_strPortName from the stored port number "com" (port 1 when none is
// stored); read at each creation of a channel view.
void LoadStoredPortName();
