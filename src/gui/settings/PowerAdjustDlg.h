#pragma once
// The Power Adjustment dialog (service mode): the transmit power table of the
// band's points in a grid, one column per power level, edited in place.
#include "gui/settings/ServiceDlg.h"

class QLabel;
class QLineEdit;
class CMSFlexGrid;

class CPowerAdjustDlg : public CServiceDlg {
  Q_OBJECT
 public:
  enum { kGrid = 1137, kCellEditor = 1033 };

  explicit CPowerAdjustDlg(QWidget* parent = nullptr);

  void OnInitDialog() override;

  // The editor over the current cell, holding its text.
  void OpenEditor();
  // Gives the focus back to the grid, committing a visible editor.
  void CloseEditor();

  CMSFlexGrid* Grid() const { return m_pGrid; }
  QLineEdit* Editor() const { return m_pEditor; }
  QLabel* CutNote() const { return m_pCutNote; }

 protected:
  void StoreControls() override;
  void ShowImage() override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnEnterCell();
  // A visible editor's text, through the closing rule, into the current cell.
  void Commit();

  CMSFlexGrid* m_pGrid;
  QLineEdit* m_pEditor;
  QLabel* m_pCutNote;
  int m_nFirstColWidth;  // twips: the grid's own width of a column, before any run
};
