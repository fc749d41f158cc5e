#pragma once
// The Optional Features dialog: the radio-wide option lists of the
// active document's image, in a left and a right column.
#include <QDialog>
#include <array>

#include "core/settings/OptionalFeatures.h"

class QComboBox;
class CProgramDoc;

class COptionalFeaturesDlg : public QDialog {
  Q_OBJECT
 public:
  explicit COptionalFeaturesDlg(QWidget* parent = nullptr);

  // Fills the lists from `doc`'s image and runs the dialog; OK stores them.
  int DoModal(CProgramDoc& doc);
  void OnInitDialog();
  void OnOK();

  QComboBox* List(OptionList list) const { return m_lists[ListSlot(list)]; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::array<QComboBox*, kOptionListCount> m_lists{};
  CProgramDoc* m_pDoc = nullptr;
};
