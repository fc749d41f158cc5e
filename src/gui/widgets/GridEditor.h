#pragma once
// Grids in dialogs: the size that shows every cell, where an in-place editor
// goes, and which loss of focus ends an edit.
class QEvent;
class QSize;
class QWidget;
class CMSFlexGrid;

// The grid's size with every row and column in view and no scroll bar.
QSize GridContentSize(const CMSFlexGrid* grid);

// Lays `editor`, a child of `grid`, exactly over the grid's current cell,
// inside its grid lines.
void PlaceOverCurrentCell(const CMSFlexGrid* grid, QWidget* editor);

// Escape in a cell editor: it closes without a commit, so the cell keeps
// the text it had, and the grid takes the focus.
void DropCellEditor(QWidget* editor, QWidget* grid);

// A focus-out event that commits an edit: the focus went to another control.
// A list's own popup or another window taking the focus leaves the edit open.
bool IsCommittingFocusLoss(const QEvent* event);
