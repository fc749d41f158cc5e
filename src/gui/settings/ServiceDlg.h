#pragma once
// What the Power Adjustment and Parameter Adjustment dialogs share: their
// Read and Write buttons, which move the dialog's own area of the image
// straight to and from the radio, and the OK and Cancel around them.
//
// A transfer runs off the GUI thread on a copy of the image, so the dialog
// keeps repainting while a silent radio is asked four times; meanwhile the
// dialog takes no input and does not close. A successful Read puts the area
// into the document and refills the controls; a failed one leaves both as
// they were.
#include <QDialog>
#include <functional>

#include "core/link/LinkSettings.h"
#include "core/link/TransferDriver.h"
#include "core/radio/ChannelCodecs.h"
#include "core/settings/BandTable.h"

class QPushButton;
class CProgramDoc;
class CTransferRunner;

class CServiceDlg : public QDialog {
  Q_OBJECT
 public:
  enum { kReadButton = 1006, kWriteButton = 1007 };

  ~CServiceDlg() override;

  // Builds the controls for `band` from `doc`'s image and runs the dialog.
  int DoModal(CProgramDoc& doc, const BandLimits& band);
  // Opening: the grids of the band, the controls filled from the image.
  virtual void OnInitDialog() = 0;

  void OnRead();
  void OnWrite();
  bool IsTransferring() const;
  // Refused while a transfer runs.
  void done(int result) override;

 signals:
  // After the message of a Read or Write was shown.
  void transferFinished();

 protected:
  CServiceDlg(int dialogId, ServiceArea area, QWidget* parent);

  // The controls into the document's image (OK, and the first step of Write).
  virtual void StoreControls() = 0;
  // The document's image into the controls (after a successful Read).
  virtual void ShowImage() = 0;

  void keyPressEvent(QKeyEvent* event) override;

  CProgramDoc* m_pDoc = nullptr;
  BandTable m_table;  // the band's rows, set at each opening
  QPushButton* m_pOk;
  QPushButton* m_pCancel;
  QPushButton* m_pRead;
  QPushButton* m_pWrite;

 private:
  void Start(Direction direction);
  void OnTransferFinished(const TransferResult& result, const RadioImage& copy);

  ServiceArea m_area;
  CTransferRunner* m_pRunner;
};

// The link settings of the service dialogs' transfers, by direction: the
// service settings, unless a test shortens the time-outs (an empty function
// restores them).
LinkSettings ServiceDialogLinkSettings(Direction direction);
void SetServiceDialogLinkSettings(std::function<LinkSettings(Direction)> settings);
