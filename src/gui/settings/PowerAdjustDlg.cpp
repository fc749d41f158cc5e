#include "gui/settings/PowerAdjustDlg.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/files/ProgramDoc.h"
#include "core/settings/PowerTable.h"
#include "core/shell/AccessibleTexts.h"
#include "core/shell/ResourceIds.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"
#include "gui/widgets/GridEditor.h"
#include "gui/widgets/MSFlexGrid.h"

namespace {
constexpr int kColumns = kPowerColumns + 1;
// Widths of the columns as parts of the grid's own column width.
constexpr double kWidthFactors[kColumns] = {0.8, 1.1, 1.2, 1.1};
constexpr int kEditorDigits = 3;
}  // namespace

CPowerAdjustDlg::CPowerAdjustDlg(QWidget* parent)
    : CServiceDlg(Res::kDlgPower, ServiceArea::PowerTable, parent),
      m_pGrid(new CMSFlexGrid(this)),
      m_pEditor(new QLineEdit(m_pGrid)),
      m_pCutNote(new QLabel(this)) {
  SetControlId(m_pGrid, kGrid);
  m_pGrid->setAccessibleName(LangString(kA11yPowerTable));
  SetControlId(m_pEditor, kCellEditor);
  m_pGrid->setTabKeyNavigation(false);  // Tab goes on to the buttons
  m_nFirstColWidth = m_pGrid->GetColWidth(0);
  m_pEditor->hide();
  m_pEditor->setMaxLength(kEditorDigits);
  m_pEditor->installEventFilter(this);
  m_pGrid->installEventFilter(this);
  m_pCutNote->hide();
  connect(m_pGrid, &CMSFlexGrid::MouseDown, this, [this](int button, int, int, int) {
    if (button == CMSFlexGrid::kLeftButton && m_pGrid->GetMouseRow() > 0 && m_pGrid->GetMouseCol() > 0) OpenEditor();
  });
  connect(m_pGrid, &CMSFlexGrid::EnterCell, this, &CPowerAdjustDlg::OnEnterCell);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {m_pOk, m_pCancel, m_pRead, m_pWrite}) {
    // No default button, not even one shown as such: Enter belongs to the
    // grid here, and a focused button is pressed by keyPressEvent.
    button->setAutoDefault(false);
    button->setMinimumWidth(DluX(this, 33));
    buttons->addWidget(button);
  }
  setTabOrder(m_pGrid, m_pOk);
  setTabOrder(m_pOk, m_pCancel);
  setTabOrder(m_pCancel, m_pRead);
  setTabOrder(m_pRead, m_pWrite);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(DluX(this, 17), DluY(this, 13), DluX(this, 17), DluY(this, 8));
  layout->setSpacing(DluY(this, 6));
  layout->addWidget(m_pGrid, 1);
  layout->addWidget(m_pCutNote);
  layout->addLayout(buttons);
}

void CPowerAdjustDlg::OnInitDialog() {
  m_pEditor->hide();
  m_pGrid->SetFixedRows(1);
  m_pGrid->SetFixedCols(1);
  m_pGrid->SetRows(static_cast<int>(m_table.points.size()) + 1);
  m_pGrid->SetCols(kColumns);
  for (std::size_t r = 0; r < m_table.points.size(); ++r) {
    m_pGrid->SetTextMatrix(static_cast<int>(r) + 1, 0, QString::number(m_table.points[r]));
    m_pGrid->SetRowName(static_cast<int>(r) + 1, FromStd(BandPointRowName(m_table.points[r])));
  }
  for (int c = 1; c < kColumns; ++c)
    m_pGrid->SetTextMatrix(0, c, QString::fromUtf8(PowerColumnTitle(c, CurrentLanguage())));
  for (int c = 0; c < kColumns; ++c) {
    m_pGrid->SetColWidth(c, static_cast<int>(m_nFirstColWidth * kWidthFactors[c]));
    m_pGrid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
  }
  // The template's size, larger when the rows need it: no cell out of view.
  m_pGrid->setMinimumSize(GridContentSize(m_pGrid).expandedTo(QSize(DluX(this, 185), DluY(this, 92))));
  const std::string note = BandCutNote(m_table, CurrentLanguage());
  m_pCutNote->setText(FromStd(note));
  m_pCutNote->setVisible(!note.empty());
  ShowImage();
  // As a grid made for this run: its first cell, highlighted always.
  m_pGrid->SetCurrentCell(1, 1);
  m_pGrid->SetHighLight(CMSFlexGrid::kHighlightAlways);
  adjustSize();
  m_pGrid->setFocus();
}

void CPowerAdjustDlg::ShowImage() {
  const std::vector<PowerRow> cells = PowerCellsFromImage(m_pDoc->image, m_table);
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (int c = 1; c <= kPowerColumns; ++c)
      m_pGrid->SetTextMatrix(static_cast<int>(r) + 1, c, FromStd(cells[r][static_cast<std::size_t>(c - 1)]));
}

void CPowerAdjustDlg::StoreControls() {
  CloseEditor();
  std::vector<PowerRow> cells(m_table.points.size());
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (int c = 1; c <= kPowerColumns; ++c)
      cells[r][static_cast<std::size_t>(c - 1)] = ToStd(m_pGrid->GetTextMatrix(static_cast<int>(r) + 1, c));
  ChangeImage(*m_pDoc, [&](RadioImage& image) { StorePowerCells(cells, m_table, image); });
}

void CPowerAdjustDlg::OpenEditor() {
  if (m_pGrid->GetRow() < 1 || m_pGrid->GetCol() < 1) return;
  PlaceOverCurrentCell(m_pGrid, m_pEditor);
  m_pEditor->setText(m_pGrid->GetText());
  m_pEditor->selectAll();
  m_pEditor->show();
  m_pEditor->setFocus(Qt::OtherFocusReason);
}

void CPowerAdjustDlg::CloseEditor() {
  if (m_pEditor->isHidden()) return;
  m_pGrid->setFocus(Qt::OtherFocusReason);
  Commit();  // unless the focus change did
}

void CPowerAdjustDlg::Commit() {
  if (m_pEditor->isHidden()) return;
  m_pGrid->SetText(FromStd(ClosePowerCellEditor(ToStd(m_pEditor->text()))));
  m_pEditor->hide();
}

void CPowerAdjustDlg::OnEnterCell() {
  const int wanted = m_pGrid->GetMouseCol() == 0 ? CMSFlexGrid::kHighlightWithFocus : CMSFlexGrid::kHighlightNever;
  if (m_pGrid->GetHighLight() != wanted) m_pGrid->SetHighLight(wanted);
}

bool CPowerAdjustDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pEditor && IsCommittingFocusLoss(event)) Commit();
  if ((watched == m_pEditor || watched == m_pGrid) && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (watched == m_pGrid) {
        OpenEditor();
      } else {
        // On to the next row, as a column of values is typed.
        CloseEditor();
        if (m_pGrid->GetRow() + 1 < m_pGrid->GetRows()) m_pGrid->SetRow(m_pGrid->GetRow() + 1);
      }
      return true;
    }
    // Escape leaves the editor for the grid with what was typed, as a click
    // elsewhere would; the dialog stays open.
    if (key == Qt::Key_Escape) {
      CloseEditor();
      return true;
    }
  }
  return CServiceDlg::eventFilter(watched, event);
}

void CPowerAdjustDlg::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Left to the focused control, which for a button means pressing it;
      // it never closes this dialog by itself.
      if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
      return;
    case Qt::Key_Escape: m_pGrid->setFocus(Qt::OtherFocusReason); return;
    default: CServiceDlg::keyPressEvent(event);
  }
}
