#pragma once
// The About box: caption, version and copyright lines from "Program.ini",
// the icon "title.ico" from the program folder.
#include <QDialog>

class QLabel;

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  void OnInitDialog();
  int DoModal();

  QLabel* m_pIcon;        // 1005
  QLabel* m_pVersion;     // 1002
  QLabel* m_pCopyrights;  // 1003
  QLabel* m_pOwner;       // 1004
  bool m_bIconFromFile = false;
};
