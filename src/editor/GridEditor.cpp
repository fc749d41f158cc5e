#include "editor/GridEditor.h"

#include <QFocusEvent>

#include "editor/EditorRules.h"
#include "editor/MSFlexGrid.h"

void PlaceOverCurrentCell(const CMSFlexGrid* grid, QWidget* editor) {
  const int dpiX = grid->DpiX();
  const int dpiY = grid->DpiY();
  editor->setGeometry(TwipsToPixels(grid->GetCellLeft(), dpiX), TwipsToPixels(grid->GetCellTop(), dpiY),
                      TwipsToPixels(grid->GetCellWidth(), dpiX), TwipsToPixels(grid->GetCellHeight(), dpiY));
}

bool IsCommittingFocusLoss(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}
