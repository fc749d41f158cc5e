// In-place editing of the channel table: an editor over the current cell,
// committed through the core's cell rules when the cell is left or Enter is
// pressed. A selection of more than one cell has no editor.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/files/ProgramDoc.h"
#include "core/shell/EditorRules.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/editor/ChannelEditors.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/TransferRunner.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/GridEditor.h"
#include "gui/widgets/MSFlexGrid.h"

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

QLineEdit* CProgramView::EditorText() const {
  QWidget* editor = m_pEditors == nullptr ? nullptr : m_pEditors->Visible();
  return editor == nullptr ? nullptr : CChannelEditors::TextField(editor);
}

void CProgramView::OnEnterCell() { ShowEditor(); }

void CProgramView::OnMouseDown(int, int, int, int) { ShowEditor(); }

void CProgramView::OnLeaveCell() {
  // The editor stays over the cell it leaves until the next cell's opens,
  // so the focus goes from cell to cell and never rests on the table.
  Commit(AfterCommit::KeepOpen);
}

void CProgramView::CommitPendingEdit() { Commit(); }

void CProgramView::FocusCurrentCell() {
  if (QWidget* editor = m_pEditors == nullptr ? nullptr : m_pEditors->Visible()) {
    editor->setFocus(Qt::ShortcutFocusReason);
    return;
  }
  m_pGrid->setFocus(Qt::ShortcutFocusReason);
  ShowEditor();
}

void CProgramView::ShowEditor() {
  // The table is looked at, not changed, while a transfer works on it; a
  // block has no editor.
  const bool transfer = CTransferRunner::AnyRunning();
  if (transfer || m_pGrid->HasBlockSelection()) {
    HideEditor();
    if (transfer) FrameServices().ShowTransferBusyNote();
    return;
  }
  const GridCell cell{m_pGrid->GetRow(), m_pGrid->GetCol()};
  QWidget* editor = Editors().ForColumn(cell.col);
  QWidget* previous = m_pEditors->Visible();
  if (previous == editor && m_editorCell == cell) return;
  // The text is loaded and selected before the editor shows, so the focus
  // says the whole value and no selection change cuts it short; under an
  // object of its own that is dropped at once: the one a screen reader has
  // in focus would be heard losing its text, and a new one would take the
  // focus silently with its first text change.
  m_pGrid->ForgetAccessible(editor);
  m_pEditors->Load(cell.col, m_pGrid->GetText());
  if (QLineEdit* text = CChannelEditors::TextField(editor)) text->selectAll();
  m_pGrid->PresentEditor(editor);
  PlaceOverCurrentCell(m_pGrid, editor);
  editor->show();
  editor->raise();
  m_editorCell = cell;
  if (editor->hasFocus()) {
    // The same editor one cell on: no focus change of its own.
    QAccessibleEvent focus(editor, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  } else {
    editor->setFocus(Qt::OtherFocusReason);
  }
  // Hidden once the focus has left it, so the focus never falls elsewhere.
  if (previous != nullptr && previous != editor) previous->hide();
  m_pGrid->viewport()->update();
}

void CProgramView::HideEditor() {
  m_editorCell = GridCell{};
  if (m_pEditors == nullptr) return;
  QWidget* editor = m_pEditors->Visible();
  if (editor == nullptr) return;
  // The focus stays in the table instead of wandering to the next widget.
  if (editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus()) m_pGrid->setFocus(Qt::OtherFocusReason);
  editor->hide();
}

bool CProgramView::Commit(AfterCommit after) {
  QWidget* editor = m_pEditors == nullptr ? nullptr : m_pEditors->Visible();
  if (editor == nullptr) return true;
  const int row = m_pGrid->GetRow();
  const int col = m_pGrid->GetCol();
  const ChannelTable tableBefore = Table();
  ChannelRow cells = RowCells(row);
  const std::string typed = ToStd(m_pEditors->Text(editor));
  // A value passed over, not typed, is never checked again: a channel read
  // from a radio whose band the profile lacks would be cleared as out of
  // range by merely moving through it.
  if (typed == cells[static_cast<std::size_t>(col)]) {
    if (after == AfterCommit::Close) HideEditor();
    return true;
  }
  const CellVerdict verdict = CommitChannelCell(cells, col, typed, m_bandLimits, CurrentLanguage());
  const int text = CautionText(verdict);
  // A refused value leaves the cell as it was, shown without an editor.
  if (after == AfterCommit::Close || text != 0) HideEditor();
  SetRowCells(row, cells);
  if (cells != tableBefore[static_cast<std::size_t>(row - 1)]) {
    m_pChannelCommands->Record(tableBefore, Table());
    m_pDoc->SetModifiedFlag();
    // Said, as the cell that took it has no focus to say it.
    m_pGrid->SayCell(row, col);
  }
  if (text == 0) return true;
  ProgramMessageBox(this, ResourceText(StringKey(text)), QMessageBox::Ok, QMessageBox::Warning,
                    ResourceText(StringKey(Res::kStrCaution)));
  return false;
}

void CProgramView::OnEnterKey() {
  if (!Commit(AfterCommit::KeepOpen)) return;
  const GridCell next =
      NextCellAfterEnter({m_pGrid->GetRow(), m_pGrid->GetCol()}, m_pGrid->GetRows(), m_pGrid->GetCols());
  m_pGrid->SetCurrentCell(next.row, next.col);
}

void CProgramView::OnSelChange() {
  // A block has no editor: what was typed counts, as when leaving the cell.
  if (m_pGrid->HasBlockSelection() && IsEditing()) Commit();
}

bool CProgramView::FilterEditorKey(QWidget* editor, QKeyEvent* event) {
  QLineEdit* text = CChannelEditors::TextField(editor);
  if (event->type() == QEvent::KeyPress && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    HideEditor();  // the cell keeps its text: nothing reaches it before a commit
    return true;
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // The editor keeps Copy and Cut, and Undo and Redo while it has typing
    // to undo; Paste and the rest go to the commands, which give a single
    // value to the editor and a block to the table.
    const int command = ChannelCommandOfKey(QKeySequence(event->keyCombination()));
    const bool editorKeeps = command == Cmd::kEditCopy || command == Cmd::kEditCut ||
                             (command == Cmd::kEditUndo && text != nullptr && text->isUndoAvailable()) ||
                             (command == Cmd::kEditRedo && text != nullptr && text->isRedoAvailable());
    if (command == 0 || editorKeeps) return false;
    event->ignore();
    return true;
  }
  // Home and End, alone or with Ctrl, move as in a spreadsheet while the
  // value is untouched (all of it selected), otherwise they move the caret.
  const bool untouched = text == nullptr || text->selectedText() == text->text();
  if (event->type() == QEvent::KeyPress && untouched && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) &&
      (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ControlModifier)) {
    const bool ctrl = event->modifiers() == Qt::ControlModifier;
    const JumpKey jump = event->key() == Qt::Key_Home ? (ctrl ? JumpKey::CtrlHome : JumpKey::Home)
                                                      : (ctrl ? JumpKey::CtrlEnd : JumpKey::End);
    const GridCell target =
        CellAfterJump({m_pGrid->GetRow(), m_pGrid->GetCol()}, m_pGrid->GetRows(), m_pGrid->GetCols(), jump);
    m_pGrid->SetCurrentCell(target.row, target.col);
    return true;
  }
  // Shift+Up and Shift+Down always select; Shift+Left and Shift+Right only
  // while the editor's text is untouched (all of it selected), otherwise
  // they select characters.
  const int key = event->key();
  const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
  const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
  if (event->modifiers() != Qt::ShiftModifier || !(vertical || horizontal)) return false;
  if (horizontal && !untouched) return false;
  m_pGrid->setFocus(Qt::OtherFocusReason);
  QCoreApplication::sendEvent(m_pGrid, event);
  // At the edge of the table nothing was selected: the editor goes on.
  if (!m_pGrid->HasBlockSelection()) editor->setFocus(Qt::OtherFocusReason);
  return true;
}

bool CProgramView::eventFilter(QObject* watched, QEvent* event) {
  // Seen before the grid and the editors: F1 asks for help on the focused
  // control and goes on to it, Enter commits and moves on.
  const QEvent::Type type = event->type();
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* editor = m_pEditors == nullptr ? nullptr : m_pEditors->Visible();
    if (editor != nullptr && widget != nullptr && (widget == editor || editor->isAncestorOf(widget)) &&
        FilterEditorKey(editor, static_cast<QKeyEvent*>(event)))
      return true;
  }
  if (type != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_F1) {
    // Once, where the key arrives: unused, it rises through the editor's
    // parents to the view.
    if (watched == QApplication::focusWidget()) FrameServices().ShowHelpForFocus();
    return false;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    OnEnterKey();
    return true;
  }
  // The table's context menu from the keyboard, as desktop programs open it.
  const Qt::KeyboardModifiers modifiers = static_cast<QKeyEvent*>(event)->modifiers();
  if (key == Qt::Key_Menu || (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
    PopUpContextMenu(CurrentCellCorner(), true);
    return true;
  }
  return false;
}
