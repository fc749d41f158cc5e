#pragma once
// The Param Adjust dialog (service mode): squelch thresholds per band point,
// receiver parameters per bandwidth, microphone gains and deviations.
#include <array>

#include "core/settings/ParamArea.h"
#include "gui/settings/ServiceDlg.h"

class QComboBox;
class QLabel;
class CMSFlexGrid;

class CParamAdjustDlg : public CServiceDlg {
  Q_OBJECT
 public:
  enum {
    kRxGrid = 1005,
    kSqlClose = 1008,
    kNarrowSql = 1009,
    kRxEditor = 1010,
    kSqlGrid = 1011,
    kSqlEditor = 1012,
  };
  // The Tx lists' ids, in byte order (0x315-0x31A).
  static constexpr std::array<int, kTxLists> kTxIds = {1014, 1023, 1024, 1018, 1019, 1022};

  explicit CParamAdjustDlg(QWidget* parent = nullptr);

  void OnInitDialog() override;

  // The grid's editor over its current cell.
  void OpenEditor(CMSFlexGrid* grid);
  // Gives the focus back to the editor's grid, committing a visible editor.
  void CloseEditor(QComboBox* editor);

  CMSFlexGrid* SqlGrid() const { return m_pSqlGrid; }
  CMSFlexGrid* RxGrid() const { return m_pRxGrid; }
  QComboBox* SqlEditor() const { return m_pSqlEditor; }
  QComboBox* RxEditor() const { return m_pRxEditor; }
  QComboBox* SqlClose() const { return m_pSqlClose; }
  QComboBox* NarrowSql() const { return m_pNarrowSql; }
  QComboBox* TxList(int i) const { return m_txLists[static_cast<std::size_t>(i)]; }
  QLabel* CutNote() const { return m_pCutNote; }

 protected:
  void StoreControls() override;
  void ShowImage() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CMSFlexGrid* GridOf(const QComboBox* editor) const;
  // A visible editor's text, through its closing rule, into the current cell.
  void Commit(QComboBox* editor);

  CMSFlexGrid* m_pSqlGrid;
  CMSFlexGrid* m_pRxGrid;
  QComboBox* m_pSqlEditor;
  QComboBox* m_pRxEditor;
  QComboBox* m_pSqlClose;
  QComboBox* m_pNarrowSql;
  std::array<QComboBox*, kTxLists> m_txLists{};
  QLabel* m_pCutNote;
};
