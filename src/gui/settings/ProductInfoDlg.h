#pragma once
// The Product Information dialog: the radio model and its band, as
// "Program.ini" lists them. OK puts the choice into the image, the channel
// window's band limits, the main window's caption and the settings store.
#include <QDialog>

class QComboBox;
class CChannelWindow;

class CProductInfoDlg : public QDialog {
  Q_OBJECT
 public:
  enum { kModelList = 1013, kBandList = 1014 };

  explicit CProductInfoDlg(QWidget* parent = nullptr);

  // Shows the choice last stored in the settings store and runs the dialog
  // for `view`'s document.
  int DoModal(CChannelWindow& view);
  void OnInitDialog();
  void OnOK();
  // The band list of the selected model, its first entry selected.
  void OnSelChangeModel();

  QComboBox* m_pModel;
  QComboBox* m_pBand;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CChannelWindow* m_pView = nullptr;
};
