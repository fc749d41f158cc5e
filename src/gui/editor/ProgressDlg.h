#pragma once
// The progress window of a Read or Write: OK starts the transfer, the bar and
// the percentage follow it block by block, Cancel stops it between blocks
// (or closes the window at once while nothing has started).
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class CSpokenNotice;

class CProgressDlg : public QDialog {
  Q_OBJECT
 public:
  // Modeless over `parent`'s window, which stays usable meanwhile: the frame
  // refuses there what would change or remove the document under the
  // transfer.
  explicit CProgressDlg(QWidget* parent);

  // Caption, bar at 0 of `blocks`, percentage "0", OK enabled and focused.
  void OnInitDialog(const QString& caption, int blocks);
  // After each acknowledged block: the percentage shows it at once, the bar
  // every few percent.
  void SetProgress(int done, const QString& percent);
  // A second pass of the running transfer (the read-back of a Write): its
  // own caption, the bar and the percentage from 0 again.
  void BeginPass(const QString& caption);

  // OK refused its start: the window is again as before OK was pressed.
  void StartRefused();

  bool Started() const;
  bool CancelRequested() const { return m_bCancel; }

  QPushButton* OkButton() const { return m_pOk; }
  QPushButton* CancelButton() const { return m_pCancel; }
  QProgressBar* Bar() const { return m_pBar; }
  QLabel* Percent() const { return m_pPercent; }

 signals:
  void startRequested();
  void cancelRequested();

 public slots:
  void OnOK();
  // Cancel, Escape and the close box.
  void reject() override;

 private:
  QPushButton* m_pOk;
  QPushButton* m_pCancel;
  QProgressBar* m_pBar;
  QLabel* m_pPercent;
  CSpokenNotice* m_pNotice;
  int m_nShownPercent = 0;
  bool m_bCancel = false;
};
