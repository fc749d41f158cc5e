// In-place editing of the channel table: an editor over the current cell,
// committed through the core's cell rules when the cell is left or Enter is
// pressed.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/AppGlobals.h"
#include "app/HtmlHelp.h"
#include "app/ResourceIds.h"
#include "app/ResourceTable.h"
#include "app/ResourceText.h"
#include "app/UiHooks.h"
#include "editor/ChannelEditors.h"
#include "editor/EditorRules.h"
#include "editor/MSFlexGrid.h"
#include "editor/ProgramView.h"
#include "radio/ProgramDoc.h"

namespace {
int CautionText(CellVerdict verdict) {
  switch (verdict) {
    case CellVerdict::OutOfRange: return Res::kStrOutOfRange;
    case CellVerdict::OffRaster: return Res::kStrStepValue;
    default: return 0;
  }
}
}  // namespace

bool CProgramView::IsEditing() const { return m_pEditors != nullptr && m_pEditors->Visible() != nullptr; }

void CProgramView::OnEnterCell() { ShowEditor(); }

void CProgramView::OnMouseDown(int, int, int, int) { ShowEditor(); }

void CProgramView::OnLeaveCell() { Commit(CommitKey::Leave); }

void CProgramView::CommitPendingEdit() { Commit(CommitKey::Leave); }

void CProgramView::ShowEditor() {
  const int column = m_pGrid->GetCol();
  QWidget* editor = Editors().ForColumn(column);
  for (QWidget* other : m_pEditors->All())
    if (other != editor) other->hide();
  m_pEditors->Load(column, m_pGrid->GetText());
  PlaceEditor(editor);
  editor->show();
  editor->raise();
  editor->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->selectAll();
  } else if (QLineEdit* text = static_cast<QComboBox*>(editor)->lineEdit()) {
    text->selectAll();
  }
  m_pGrid->viewport()->update();
}

void CProgramView::PlaceEditor(QWidget* editor) const {
  // Exactly over the cell; the grid gives its place in grid-relative twips.
  const int dpiX = m_pGrid->DpiX();
  const int dpiY = m_pGrid->DpiY();
  editor->setGeometry(TwipsToPixels(m_pGrid->GetCellLeft(), dpiX), TwipsToPixels(m_pGrid->GetCellTop(), dpiY),
                      TwipsToPixels(m_pGrid->GetCellWidth(), dpiX), TwipsToPixels(m_pGrid->GetCellHeight(), dpiY));
}

void CProgramView::HideEditor() {
  if (m_pEditors == nullptr) return;
  QWidget* editor = m_pEditors->Visible();
  if (editor == nullptr) return;
  // The focus stays in the table instead of wandering to the next widget.
  if (editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus()) m_pGrid->setFocus(Qt::OtherFocusReason);
  editor->hide();
}

bool CProgramView::Commit(CommitKey key) {
  QWidget* editor = m_pEditors == nullptr ? nullptr : m_pEditors->Visible();
  if (editor == nullptr) return true;
  const int row = m_pGrid->GetRow();
  ChannelRow cells = RowCells(row);
  const ChannelRow before = cells;
  const CellVerdict verdict =
      CommitChannelCell(cells, m_pGrid->GetCol(), ToStd(m_pEditors->Text(editor)), key, m_bandLimits, g_bChinese);
  HideEditor();
  SetRowCells(row, cells);
  if (cells != before) m_pDoc->SetModifiedFlag();
  const int text = CautionText(verdict);
  if (text == 0) return true;
  ProgramMessageBox(this, ResourceText(StringKey(text)), QMessageBox::Ok, QMessageBox::Warning,
                    ResourceText(StringKey(Res::kStrCaution)));
  return false;
}

void CProgramView::OnEnterKey() {
  if (!Commit(CommitKey::Enter)) return;
  const GridCell next =
      NextCellAfterEnter({m_pGrid->GetRow(), m_pGrid->GetCol()}, m_pGrid->GetRows(), m_pGrid->GetCols());
  m_pGrid->SetCurrentCell(next.row, next.col);
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
  // Seen before the grid and the editors: F1 asks for help on the focused
  // control, Enter commits and moves on.
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_F1) {
    HelpForFocusedControl(HelpOwner());
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    OnEnterKey();
    return true;
  }
  return false;
}
