#include "gui/widgets/GridEditor.h"

#include <QFocusEvent>

#include "core/shell/EditorRules.h"
#include "gui/widgets/MSFlexGrid.h"

QSize GridContentSize(const CMSFlexGrid* grid) {
  int width = 2 * grid->frameWidth();
  for (int c = 0; c < grid->GetCols(); ++c) width += TwipsToPixels(grid->GetColWidth(c), grid->DpiX());
  int height = 2 * grid->frameWidth();
  for (int r = 0; r < grid->GetRows(); ++r) height += TwipsToPixels(grid->GetRowHeight(r), grid->DpiY());
  return {width + 1, height + 1};
}

void PlaceOverCurrentCell(const CMSFlexGrid* grid, QWidget* editor) {
  const int dpiX = grid->DpiX();
  const int dpiY = grid->DpiY();
  // A cell's width and height take in its right and bottom grid line, which
  // stay in view beside the editor.
  const int line = grid->showGrid() ? 1 : 0;
  editor->setGeometry(TwipsToPixels(grid->GetCellLeft(), dpiX), TwipsToPixels(grid->GetCellTop(), dpiY),
                      TwipsToPixels(grid->GetCellWidth(), dpiX) - line,
                      TwipsToPixels(grid->GetCellHeight(), dpiY) - line);
}

void DropCellEditor(QWidget* editor, QWidget* grid) {
  // Hidden first: the focus leaving a hidden editor commits nothing.
  editor->hide();
  grid->setFocus(Qt::OtherFocusReason);
}

bool IsCommittingFocusLoss(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
