#pragma once
// The service password dialog: one masked field of at most 8 characters.
// It ends with OK only for the service password, and only when the caller
// asked for that password (choice 2).
#include <QDialog>

class QLineEdit;

class CPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CPasswordDlg(QWidget* parent = nullptr);
  int DoModal();

  int m_nPasswordChoice = 0;
  QLineEdit* m_pEdit;  // 1027

 public slots:
  void OnOK();
};
