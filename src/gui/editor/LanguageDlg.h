#pragma once
// The Language dialog: English or Chinese, stored in "Program.ini" for the
// next start; the program restarts in the new language.
#include <QDialog>

class QRadioButton;

class CLanguageDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CLanguageDlg(QWidget* parent = nullptr);
  void OnInitDialog();
  int DoModal();

  int m_nLanguage = -1;      // 0 English, 1 Chinese
  bool m_bChanged = false;   // a different language was stored; never reset
  QRadioButton* m_pEnglish;  // 1006
  QRadioButton* m_pChinese;  // 1007

 public slots:
  void OnOK();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
