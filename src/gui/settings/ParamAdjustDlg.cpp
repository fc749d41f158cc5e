#include "gui/settings/ParamAdjustDlg.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/files/ProgramDoc.h"
#include "core/shell/AccessibleTexts.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"
#include "gui/widgets/GridEditor.h"
#include "gui/widgets/MSFlexGrid.h"

namespace {
constexpr int kDialog = Res::kDlgParam;
constexpr int kColumnTwips = 1000;

QStringList Entries(ParamList list) { return FromStd(ParamListEntries(list)); }

// The first entry that begins with `text`, or else entry 0 (`exact`: the
// entry equal to it). The lists hold every value of their range, and the
// texts come normalised, so one is always found.
void SelectEntry(QComboBox* list, const std::string& text, bool exact) {
  const int index = list->findText(FromStd(text), exact ? Qt::MatchExactly : Qt::MatchStartsWith);
  list->setCurrentIndex(index < 0 ? 0 : index);
}

void SetUpGrid(CMSFlexGrid* grid, int rows, int cols) {
  grid->SetFixedRows(1);
  grid->SetFixedCols(1);
  grid->SetRows(rows);
  grid->SetCols(cols);
  for (int c = 0; c < cols; ++c) {
    grid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
    grid->SetColWidth(c, kColumnTwips);
  }
}

// Rx value i, row by row, sits at grid row RxRow(i), column RxCol(i).
int RxRow(std::size_t i) { return static_cast<int>(i) / kRxColumns + 1; }
int RxCol(std::size_t i) { return static_cast<int>(i) % kRxColumns + 1; }

QComboBox* AddLabelledList(QWidget* group, QGridLayout* layout, int id, ParamList list) {
  QComboBox* combo = MakeDialogList(group, id, true);
  combo->addItems(Entries(list));
  const int row = layout->rowCount();
  layout->addWidget(MakeDialogLabel(group, kDialog, id, combo), row, 0);
  layout->addWidget(combo, row, 1);
  return combo;
}
}  // namespace

CParamAdjustDlg::CParamAdjustDlg(QWidget* parent)
    : CServiceDlg(kDialog, ServiceArea::ParamArea, parent),
      m_pSqlGrid(new CMSFlexGrid(this)),
      m_pRxGrid(new CMSFlexGrid(this)),
      m_pSqlEditor(MakeDialogList(m_pSqlGrid, kSqlEditor, true)),
      m_pRxEditor(MakeDialogList(m_pRxGrid, kRxEditor, true)),
      m_pCutNote(new QLabel(this)) {
  SetControlId(m_pSqlGrid, kSqlGrid);
  SetControlId(m_pRxGrid, kRxGrid);
  m_pSqlGrid->setAccessibleName(LangString(kA11ySqlTable));
  m_pRxGrid->setAccessibleName(LangString(kA11yRxTable));
  m_pSqlEditor->addItems(Entries(ParamList::SqlCell));
  m_pRxEditor->addItems(Entries(ParamList::RxCell));
  for (QComboBox* editor : {m_pSqlEditor, m_pRxEditor}) {
    editor->hide();
    editor->installEventFilter(this);
  }
  for (CMSFlexGrid* grid : {m_pSqlGrid, m_pRxGrid}) {
    grid->setTabKeyNavigation(false);  // Tab goes on to the next control
    grid->installEventFilter(this);
    connect(grid, &CMSFlexGrid::MouseDown, this, [this, grid](int button, int, int, int) {
      if (button == CMSFlexGrid::kLeftButton && grid->GetMouseRow() > 0 && grid->GetMouseCol() > 0) OpenEditor(grid);
    });
  }

  auto* sqlGroup = new QGroupBox(ResourceText(DialogGroupKey(kDialog, 1)), this);
  auto* sqlLayout = new QVBoxLayout(sqlGroup);
  m_pSqlGrid->setParent(sqlGroup);
  m_pCutNote->setParent(sqlGroup);
  m_pCutNote->hide();
  auto* sqlLists = new QGridLayout;
  m_pSqlClose = AddLabelledList(sqlGroup, sqlLists, kSqlClose, ParamList::SqlClose);
  m_pNarrowSql = AddLabelledList(sqlGroup, sqlLists, kNarrowSql, ParamList::NarrowSql);
  sqlLayout->addWidget(m_pSqlGrid, 1);
  sqlLayout->addWidget(m_pCutNote);
  sqlLayout->addLayout(sqlLists);

  auto* rxGroup = new QGroupBox(ResourceText(DialogGroupKey(kDialog, 2)), this);
  auto* rxLayout = new QVBoxLayout(rxGroup);
  m_pRxGrid->setParent(rxGroup);
  rxLayout->addWidget(m_pRxGrid);

  auto* txGroup = new QGroupBox(ResourceText(DialogGroupKey(kDialog, 3)), this);
  auto* txLayout = new QGridLayout(txGroup);
  for (std::size_t i = 0; i < m_txLists.size(); ++i)
    m_txLists[i] = AddLabelledList(txGroup, txLayout, kTxIds[i], TxParamList(static_cast<int>(i)));
  for (QComboBox* list : m_txLists) list->setMinimumWidth(DluX(this, 63));
  for (QComboBox* list : {m_pSqlClose, m_pNarrowSql}) list->setMinimumWidth(DluX(this, 56));

  m_pOk->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {m_pOk, m_pCancel, m_pRead, m_pWrite}) {
    button->setMinimumWidth(DluX(this, 33));
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* right = new QVBoxLayout;
  right->addWidget(rxGroup);
  right->addWidget(txGroup, 1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(sqlGroup, 1);
  columns->addLayout(right, 1);
  // Tab follows the columns, then the buttons.
  QWidget* previous = m_pSqlGrid;
  for (QWidget* next :
       std::initializer_list<QWidget*>{m_pSqlClose, m_pNarrowSql, m_pRxGrid, m_txLists[0], m_txLists[1], m_txLists[2],
                                       m_txLists[3], m_txLists[4], m_txLists[5], m_pOk, m_pCancel, m_pRead, m_pWrite}) {
    setTabOrder(previous, next);
    previous = next;
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(DluX(this, 15), DluY(this, 10), DluX(this, 12), DluY(this, 8));
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
}

void CParamAdjustDlg::OnInitDialog() {
  SetUpGrid(m_pSqlGrid, static_cast<int>(m_table.points.size()) + 1, 2);
  for (std::size_t r = 0; r < m_table.points.size(); ++r) {
    m_pSqlGrid->SetTextMatrix(static_cast<int>(r) + 1, 0, QString::number(m_table.points[r]));
    m_pSqlGrid->SetRowName(static_cast<int>(r) + 1, FromStd(BandPointRowName(m_table.points[r])));
  }
  m_pSqlGrid->SetTextMatrix(0, 1, QString::fromUtf8(SquelchColumnTitle(CurrentLanguage())));
  SetUpGrid(m_pRxGrid, kRxRows + 1, kRxColumns + 1);
  for (int r = 1; r <= kRxRows; ++r)
    m_pRxGrid->SetTextMatrix(r, 0, QString::fromUtf8(RxRowTitle(r, CurrentLanguage())));
  for (int c = 1; c <= kRxColumns; ++c)
    m_pRxGrid->SetTextMatrix(0, c, QString::fromUtf8(RxColumnTitle(c, CurrentLanguage())));
  m_pSqlGrid->setMinimumSize(GridContentSize(m_pSqlGrid).expandedTo(QSize(DluX(this, 137), DluY(this, 130))));
  const QSize rx = GridContentSize(m_pRxGrid);
  m_pRxGrid->setMinimumWidth(std::max(rx.width(), DluX(this, 137)));
  m_pRxGrid->setFixedHeight(rx.height());
  const std::string note = BandCutNote(m_table, CurrentLanguage());
  m_pCutNote->setText(FromStd(note));
  m_pCutNote->setVisible(!note.empty());
  ShowImage();
  m_pSqlGrid->setFocus();
}

void CParamAdjustDlg::ShowImage() {
  // The image's values win over anything an editor still holds.
  m_pSqlEditor->hide();
  m_pRxEditor->hide();
  const ParamControls controls = ParamControlsFromImage(m_pDoc->image, m_table);
  for (std::size_t r = 0; r < controls.squelch.size(); ++r)
    m_pSqlGrid->SetTextMatrix(static_cast<int>(r) + 1, 1, FromStd(controls.squelch[r]));
  SelectEntry(m_pSqlClose, controls.sqlClose, false);
  SelectEntry(m_pNarrowSql, controls.narrowSql, true);
  for (std::size_t i = 0; i < controls.rx.size(); ++i)
    m_pRxGrid->SetTextMatrix(RxRow(i), RxCol(i), FromStd(controls.rx[i]));
  for (std::size_t i = 0; i < m_txLists.size(); ++i) SelectEntry(m_txLists[i], controls.tx[i], false);
}

void CParamAdjustDlg::StoreControls() {
  CloseEditor(m_pSqlEditor);
  CloseEditor(m_pRxEditor);
  ParamControls controls;
  for (std::size_t r = 0; r < m_table.points.size(); ++r)
    controls.squelch.push_back(ToStd(m_pSqlGrid->GetTextMatrix(static_cast<int>(r) + 1, 1)));
  controls.sqlClose = ToStd(m_pSqlClose->currentText());
  controls.narrowSql = ToStd(m_pNarrowSql->currentText());
  for (std::size_t i = 0; i < controls.rx.size(); ++i)
    controls.rx[i] = ToStd(m_pRxGrid->GetTextMatrix(RxRow(i), RxCol(i)));
  for (std::size_t i = 0; i < m_txLists.size(); ++i) controls.tx[i] = ToStd(m_txLists[i]->currentText());
  ChangeImage(*m_pDoc, [&](RadioImage& image) { StoreParamControls(controls, m_table, image); });
}

CMSFlexGrid* CParamAdjustDlg::GridOf(const QComboBox* editor) const {
  return editor == m_pSqlEditor ? m_pSqlGrid : m_pRxGrid;
}

void CParamAdjustDlg::OpenEditor(CMSFlexGrid* grid) {
  QComboBox* editor = grid == m_pSqlGrid ? m_pSqlEditor : m_pRxEditor;
  PlaceOverCurrentCell(grid, editor);
  SelectEntry(editor, ToStd(grid->GetText()), false);
  editor->show();
  editor->setFocus(Qt::OtherFocusReason);
}

void CParamAdjustDlg::CloseEditor(QComboBox* editor) {
  if (editor->isHidden()) return;
  GridOf(editor)->setFocus(Qt::OtherFocusReason);
  Commit(editor);  // unless the focus change did
}

void CParamAdjustDlg::Commit(QComboBox* editor) {
  if (editor->isHidden()) return;
  const ParamList list = editor == m_pSqlEditor ? ParamList::SqlCell : ParamList::RxCell;
  GridOf(editor)->SetText(FromStd(CloseParamCellEditor(list, ToStd(editor->currentText()))));
  editor->hide();
}

bool CParamAdjustDlg::eventFilter(QObject* watched, QEvent* event) {
  const bool editor = watched == m_pSqlEditor || watched == m_pRxEditor;
  if (editor && IsCommittingFocusLoss(event)) Commit(static_cast<QComboBox*>(watched));
  // Enter belongs to OK here, so the keyboard opens a cell with F2, as in a
  // spreadsheet, and Escape in an editor leaves the cell as it was rather
  // than the dialog.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* grid = qobject_cast<CMSFlexGrid*>(watched);
    if (key == Qt::Key_F2 && grid != nullptr && grid->GetRow() > 0 && grid->GetCol() > 0) {
      OpenEditor(grid);
      return true;
    }
    if (key == Qt::Key_Escape && editor) {
      DropCellEditor(static_cast<QWidget*>(watched), GridOf(static_cast<QComboBox*>(watched)));
      return true;
    }
  }
  return CServiceDlg::eventFilter(watched, event);
}
