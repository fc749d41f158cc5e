#pragma once
// In-place editors over a CMSFlexGrid: where an editor goes, and which loss
// of focus ends an edit.
class QEvent;
class QWidget;
class CMSFlexGrid;

// Lays `editor`, a child of `grid`, exactly over the grid's current cell.
void PlaceOverCurrentCell(const CMSFlexGrid* grid, QWidget* editor);

// A focus-out event that commits an edit: the focus went to another control.
// A list's own popup or another window taking the focus leaves the edit open.
bool IsCommittingFocusLoss(const QEvent* event);
