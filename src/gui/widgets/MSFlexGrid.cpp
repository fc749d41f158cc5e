#include "gui/widgets/MSFlexGrid.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QChildEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>

#include "core/shell/AccessibleTexts.h"
#include "core/shell/EditorRules.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/SpokenNotice.h"

namespace {

// Default sizes follow the font, as the dialog units of a template do: a
// column takes about eleven average characters, a row the text height plus
// room for an editor's frame.
constexpr int kDefaultColumnChars = 11;
constexpr int kRowPadding = 8;

Qt::Alignment QtAlignment(int alignment) {
  static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  if (alignment < 0 || alignment > 8) return Qt::AlignLeft | Qt::AlignVCenter;
  return horizontal[alignment / 3] | vertical[alignment % 3];
}

int ButtonValue(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return CMSFlexGrid::kLeftButton;
    case Qt::RightButton: return CMSFlexGrid::kRightButton;
    case Qt::MiddleButton: return CMSFlexGrid::kMiddleButton;
    default: return 0;
  }
}

int ShiftValue(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= CMSFlexGrid::kShiftKey;
  if (modifiers & Qt::ControlModifier) shift |= CMSFlexGrid::kCtrlKey;
  if (modifiers & Qt::AltModifier) shift |= CMSFlexGrid::kAltKey;
  return shift;
}

}  // namespace

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableWidget(parent), m_fixedColor(palette().color(QPalette::ButtonText)) {
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setAutoScroll(false);

  const int rowHeight = fontMetrics().height() + kRowPadding;
  const int columnWidth = fontMetrics().averageCharWidth() * kDefaultColumnChars;
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setMinimumSectionSize(1);
    header->viewport()->installEventFilter(this);
    header->viewport()->setMouseTracking(true);
  }
  horizontalHeader()->setDefaultSectionSize(columnWidth);
  horizontalHeader()->setFixedHeight(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setFixedWidth(columnWidth);
  viewport()->setMouseTracking(true);
  viewport()->installEventFilter(this);

  // The corner button shows cell (0, 0); its own click would select all.
  m_pCorner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (m_pCorner != nullptr) m_pCorner->installEventFilter(this);

  SetRows(2);
  SetCols(2);
  ApplyHighlight();
}

QTableWidgetItem* CMSFlexGrid::HeaderItem(bool horizontal, int section) {
  QTableWidgetItem* item = horizontal ? horizontalHeaderItem(section) : verticalHeaderItem(section);
  if (item == nullptr) {
    item = new QTableWidgetItem(QString());
    item->setForeground(m_fixedColor);
    if (horizontal)
      setHorizontalHeaderItem(section, item);
    else
      setVerticalHeaderItem(section, item);
  }
  return item;
}

void CMSFlexGrid::NewSections() {
  // A header section without an item shows its number; a fixed cell never
  // set is empty.
  for (int c = 0; c < columnCount(); ++c) HeaderItem(true, c);
  for (int r = 0; r < rowCount(); ++r) HeaderItem(false, r);
  m_alignments.resize(static_cast<std::size_t>(GetCols()), -1);
  for (int c = 0; c < GetCols(); ++c) ApplyColumnAlignment(c);
}

void CMSFlexGrid::SetRows(int rows) {
  rows = std::max(rows, m_nFixedRows);
  m_bSilent = true;
  setRowCount(rows - m_nFixedRows);
  m_bSilent = false;
  NewSections();
  MoveCurrentSilently(std::min(m_nRow, rows - 1), m_nCol);
}

void CMSFlexGrid::SetCols(int cols) {
  cols = std::max(cols, m_nFixedCols);
  m_bSilent = true;
  setColumnCount(cols - m_nFixedCols);
  m_bSilent = false;
  NewSections();
  MoveCurrentSilently(m_nRow, std::min(m_nCol, cols - 1));
}

void CMSFlexGrid::SetFixedRows(int fixedRows) { SetFixed(fixedRows, m_nFixedCols); }

void CMSFlexGrid::SetFixedCols(int fixedCols) { SetFixed(m_nFixedRows, fixedCols); }

void CMSFlexGrid::SetFixed(int fixedRows, int fixedCols) {
  fixedRows = std::clamp(fixedRows, 0, 1);
  fixedCols = std::clamp(fixedCols, 0, 1);
  if (fixedRows == m_nFixedRows && fixedCols == m_nFixedCols) return;
  // Rows and Cols count the fixed ones too: the texts stay where they were,
  // only whether the first row or column is a header changes.
  const int rows = GetRows();
  const int cols = GetCols();
  std::vector<QString> texts;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) texts.push_back(GetTextMatrix(r, c));
  m_nFixedRows = fixedRows;
  m_nFixedCols = fixedCols;
  horizontalHeader()->setVisible(fixedRows > 0);
  verticalHeader()->setVisible(fixedCols > 0);
  SetRows(rows);
  SetCols(cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) SetTextMatrix(r, c, texts[static_cast<std::size_t>(r * cols + c)]);
  MoveCurrentSilently(m_nRow, m_nCol);
}

void CMSFlexGrid::MoveCurrentSilently(int row, int col) {
  m_nRow = std::max(row, m_nFixedRows);
  m_nCol = std::max(col, m_nFixedCols);
  m_nRowSel = m_nRow;
  m_nColSel = m_nCol;
  m_bSilent = true;
  if (ModelRow(m_nRow) < rowCount() && ModelCol(m_nCol) < columnCount())
    setCurrentCell(ModelRow(m_nRow), ModelCol(m_nCol));
  m_bSilent = false;
}

void CMSFlexGrid::SetRow(int row) { SetCurrentCell(row, m_nCol); }
void CMSFlexGrid::SetCol(int col) { SetCurrentCell(m_nRow, col); }

bool CMSFlexGrid::IsCell(int row, int col) const {
  return row >= m_nFixedRows && row < GetRows() && col >= m_nFixedCols && col < GetCols();
}

void CMSFlexGrid::SetCurrentCell(int row, int col) {
  if (!IsCell(row, col)) return;
  const bool wasBlock = HasBlockSelection();
  emit LeaveCell();
  MoveCurrentSilently(row, col);
  emit EnterCell();
  if (wasBlock) emit SelChange();
}

void CMSFlexGrid::Select(int row, int col, int rowSel, int colSel) {
  if (!IsCell(row, col) || !IsCell(rowSel, colSel)) return;
  emit LeaveCell();
  MoveCurrentSilently(row, col);
  m_nRowSel = rowSel;
  m_nColSel = colSel;
  ShowSelection();
  emit EnterCell();
  emit SelChange();
}

void CMSFlexGrid::SetSelectionEnd(int rowSel, int colSel) {
  if (!IsCell(m_nRow, m_nCol)) return;
  rowSel = std::clamp(rowSel, m_nFixedRows, GetRows() - 1);
  colSel = std::clamp(colSel, m_nFixedCols, GetCols() - 1);
  if (rowSel == m_nRowSel && colSel == m_nColSel) return;
  m_nRowSel = rowSel;
  m_nColSel = colSel;
  ShowSelection();
  emit SelChange();
}

void CMSFlexGrid::CollapseSelection() {
  if (!HasBlockSelection()) return;
  m_nRowSel = m_nRow;
  m_nColSel = m_nCol;
  ShowSelection();
  emit SelChange();
}

void CMSFlexGrid::ShowSelection() {
  if (!IsCell(m_nRow, m_nCol) || !IsCell(m_nRowSel, m_nColSel)) return;
  const QModelIndex first =
      model()->index(ModelRow(std::min(m_nRow, m_nRowSel)), ModelCol(std::min(m_nCol, m_nColSel)));
  const QModelIndex last = model()->index(ModelRow(std::max(m_nRow, m_nRowSel)), ModelCol(std::max(m_nCol, m_nColSel)));
  selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
}

bool CMSFlexGrid::InSelection(int row, int col) const {
  return row >= std::min(m_nRow, m_nRowSel) && row <= std::max(m_nRow, m_nRowSel) &&
         col >= std::min(m_nCol, m_nColSel) && col <= std::max(m_nCol, m_nColSel);
}

void CMSFlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  if (m_bSilent || !current.isValid()) return;
  const int row = current.row() + m_nFixedRows;
  const int col = current.column() + m_nFixedCols;
  if (row == m_nRow && col == m_nCol) return;
  const bool wasBlock = HasBlockSelection();
  emit LeaveCell();
  m_nRow = m_nRowSel = row;
  m_nCol = m_nColSel = col;
  emit EnterCell();
  if (wasBlock) emit SelChange();
}

QString CMSFlexGrid::GetTextMatrix(int row, int col) const {
  if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols()) return QString();
  const bool fixedRow = row < m_nFixedRows;
  const bool fixedCol = col < m_nFixedCols;
  const QTableWidgetItem* item = nullptr;
  if (fixedRow && fixedCol)
    return m_strCorner;
  else if (fixedRow)
    item = horizontalHeaderItem(ModelCol(col));
  else if (fixedCol)
    item = verticalHeaderItem(ModelRow(row));
  else
    item = this->item(ModelRow(row), ModelCol(col));
  return item == nullptr ? QString() : item->text();
}

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
  if (row < 0 || col < 0 || row >= GetRows() || col >= GetCols()) return;
  const bool fixedRow = row < m_nFixedRows;
  const bool fixedCol = col < m_nFixedCols;
  if (fixedRow && fixedCol) {
    m_strCorner = text;
    if (m_pCorner != nullptr) m_pCorner->update();
  } else if (fixedRow) {
    HeaderItem(true, ModelCol(col))->setText(text);
  } else if (fixedCol) {
    HeaderItem(false, ModelRow(row))->setText(text);
  } else if (QTableWidgetItem* cell = item(ModelRow(row), ModelCol(col))) {
    if (cell->text() == text) return;
    cell->setText(text);
    NotifyCellChanged(row, col);
  } else {
    cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    const int alignment = m_alignments[static_cast<std::size_t>(col)];
    if (alignment >= 0) cell->setTextAlignment(QtAlignment(alignment));
    setItem(ModelRow(row), ModelCol(col), cell);
    NotifyCellChanged(row, col);
  }
}

void CMSFlexGrid::NotifyCellChanged(int row, int col) {
  if (m_bQuietCells || !QAccessible::isActive()) return;
  // The table numbers its cells row by row, fixed ones included
  // (GridAccessible.h), as Qt's item views do.
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  QAccessibleInterface* cell = table == nullptr ? nullptr : table->child(row * GetCols() + col);
  if (cell == nullptr) return;
  QAccessibleEvent name(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleValueChangeEvent value(cell, cell->text(QAccessible::Name));
  QAccessible::updateAccessibility(&value);
}

void CMSFlexGrid::SetRowName(int row, const QString& name) {
  if (row < m_nFixedRows || row >= GetRows() || m_nFixedCols == 0) return;
  HeaderItem(false, ModelRow(row))->setData(Qt::AccessibleTextRole, name);
}

QString CMSFlexGrid::RowName(int row) const {
  if (row >= m_nFixedRows && row < GetRows() && m_nFixedCols > 0)
    if (const QTableWidgetItem* header = verticalHeaderItem(ModelRow(row))) {
      const QString name = header->data(Qt::AccessibleTextRole).toString();
      if (!name.isEmpty()) return name;
    }
  return GetTextMatrix(row, 0).trimmed();
}

QString CMSFlexGrid::ColName(int col) const { return GetTextMatrix(0, col).trimmed(); }

QString CMSFlexGrid::CellName(int row, int col) const {
  return FromStd(CellEditorName(ToStd(m_nFixedRows > 0 ? ColName(col) : QString()),
                                ToStd(m_nFixedCols > 0 ? RowName(row) : QString()), CurrentLanguage()));
}

bool CMSFlexGrid::IsOwnPart(const QObject* child) const {
  // The viewport, the headers, the corner button, the scroll bars' frames
  // and the editors' label.
  return child == viewport() || child == horizontalHeader() || child == verticalHeader() || child == m_pCorner ||
         child == m_pEditorLabel || child->objectName().startsWith(QLatin1String("qt_"));
}

QWidgetList CMSFlexGrid::HostedWidgets() const {
  QWidgetList hosted;
  for (QObject* child : children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget != nullptr && !widget->isHidden() && !widget->isWindow() && !IsOwnPart(widget)) hosted << widget;
  }
  return hosted;
}

void CMSFlexGrid::NameEditor(QWidget* hosted) {
  const QString name = CellName(m_nRow, m_nCol);
  if (hosted->accessibleName() != name) hosted->setAccessibleName(name);
  // Its label too, which a screen reader prefers to a name.
  if (m_pEditorLabel == nullptr) {
    m_pEditorLabel = new QLabel(this);
    m_pEditorLabel->hide();
  }
  m_pEditorLabel->setText(name);
  m_pEditorLabel->setBuddy(hosted);
}

void CMSFlexGrid::ForgetAccessible(QWidget* hosted) {
  if (!QAccessible::isActive()) return;
  // Its text field goes too: a screen reader reads an editable list's value
  // there.
  QWidgetList parts = hosted->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  parts.prepend(hosted);
  for (QWidget* part : parts)
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(part))
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void CMSFlexGrid::PresentEditor(QWidget* hosted) {
  ForgetAccessible(hosted);
  NameEditor(hosted);
}

void CMSFlexGrid::focusInEvent(QFocusEvent* event) {
  QTableWidget::focusInEvent(event);
  if (!QAccessible::isActive()) return;
  // After the focus event Qt sends for the grid itself, which would hide it.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!hasFocus() || !IsCell(m_nRow, m_nCol)) return;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(m_nRow * GetCols() + m_nCol);
        QAccessible::updateAccessibility(&focus);
        // A screen reader says a focused cell by its text alone, and an
        // empty one not at all.
        SayCell(m_nRow, m_nCol);
      },
      Qt::QueuedConnection);
}

void CMSFlexGrid::SayCell(int row, int col) {
  if (!IsCell(row, col)) return;
  // Beside the grid, where a screen reader finds it among the window's
  // objects; the grid's own children are its cells and editors.
  if (m_pNotice == nullptr) m_pNotice = new CSpokenNotice(parentWidget() != nullptr ? parentWidget() : this);
  m_pNotice->Say(
      FromStd(CellValueSentence(ToStd(CellName(row, col)), ToStd(GetTextMatrix(row, col)), CurrentLanguage())));
}

void CMSFlexGrid::childEvent(QChildEvent* event) {
  if (event->added()) event->child()->installEventFilter(this);
  QTableWidget::childEvent(event);
}

int CMSFlexGrid::GetColWidth(int col) const {
  if (col < 0 || col >= GetCols()) return 0;
  const int pixels = col < m_nFixedCols ? verticalHeader()->width() : columnWidth(ModelCol(col));
  return PixelsToTwips(pixels, DpiX());
}

void CMSFlexGrid::SetColWidth(int col, int twips) {
  if (col < 0 || col >= GetCols()) return;
  const int pixels = std::max(0, TwipsToPixels(twips, DpiX()));
  if (col < m_nFixedCols)
    verticalHeader()->setFixedWidth(pixels);
  else
    setColumnWidth(ModelCol(col), pixels);
  emit Scrolled();
}

int CMSFlexGrid::GetRowHeight(int row) const {
  if (row < 0 || row >= GetRows()) return 0;
  const int pixels = row < m_nFixedRows ? horizontalHeader()->height() : rowHeight(ModelRow(row));
  return PixelsToTwips(pixels, DpiY());
}

int CMSFlexGrid::GetColPos(int col) const {
  if (col < 0 || col >= GetCols()) return 0;
  int pixels = viewport()->geometry().left();
  if (col < m_nFixedCols)
    pixels = verticalHeader()->geometry().left();
  else
    pixels += columnViewportPosition(ModelCol(col));
  return PixelsToTwips(pixels, DpiX());
}

int CMSFlexGrid::GetRowPos(int row) const {
  if (row < 0 || row >= GetRows()) return 0;
  int pixels = viewport()->geometry().top();
  if (row < m_nFixedRows)
    pixels = horizontalHeader()->geometry().top();
  else
    pixels += rowViewportPosition(ModelRow(row));
  return PixelsToTwips(pixels, DpiY());
}

void CMSFlexGrid::SetColAlignment(int col, int alignment) {
  if (col < 0 || col >= GetCols()) return;
  m_alignments[static_cast<std::size_t>(col)] = alignment;
  ApplyColumnAlignment(col);
}

void CMSFlexGrid::ApplyColumnAlignment(int col) {
  const int alignment = m_alignments[static_cast<std::size_t>(col)];
  if (alignment < 0) return;
  // The alignment of a column is that of its cells below the fixed rows.
  if (col < m_nFixedCols) {
    verticalHeader()->setDefaultAlignment(QtAlignment(alignment));
    return;
  }
  for (int r = 0; r < rowCount(); ++r)
    if (QTableWidgetItem* cell = item(r, ModelCol(col))) cell->setTextAlignment(QtAlignment(alignment));
}

void CMSFlexGrid::SetForeColorFixed(unsigned int color) {
  m_fixedColor = QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                        static_cast<int>((color >> 16) & 0xFF));
  UpdateHeaders();
}

void CMSFlexGrid::UpdateHeaders() {
  for (int c = 0; c < columnCount(); ++c) HeaderItem(true, c)->setForeground(m_fixedColor);
  for (int r = 0; r < rowCount(); ++r) HeaderItem(false, r)->setForeground(m_fixedColor);
  if (m_pCorner != nullptr) m_pCorner->update();
}

void CMSFlexGrid::SetHighLight(int highLight) {
  m_nHighLight = std::clamp(highLight, 0, 2);
  ApplyHighlight();
}

void CMSFlexGrid::ApplyHighlight() {
  QPalette colours = palette();
  const QPalette standard = style()->standardPalette();
  const QColor highlight = standard.color(QPalette::Active, QPalette::Highlight);
  const QColor highlightedText = standard.color(QPalette::Active, QPalette::HighlightedText);
  const QColor base = colours.color(QPalette::Active, QPalette::Base);
  const QColor text = colours.color(QPalette::Active, QPalette::Text);
  const bool active = m_nHighLight != kHighlightNever;
  const bool inactive = m_nHighLight == kHighlightAlways;
  colours.setColor(QPalette::Active, QPalette::Highlight, active ? highlight : base);
  colours.setColor(QPalette::Active, QPalette::HighlightedText, active ? highlightedText : text);
  colours.setColor(QPalette::Inactive, QPalette::Highlight, inactive ? highlight : base);
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, inactive ? highlightedText : text);
  setPalette(colours);
}

void CMSFlexGrid::NoteMouse(const QPoint& gridPos) {
  const QRect cells = viewport()->geometry();
  const bool inHeaderRow =
      m_nFixedRows > 0 && gridPos.y() >= horizontalHeader()->geometry().top() && gridPos.y() < cells.top();
  const bool inHeaderCol =
      m_nFixedCols > 0 && gridPos.x() >= verticalHeader()->geometry().left() && gridPos.x() < cells.left();
  const int modelRow = rowAt(gridPos.y() - cells.top());
  const int modelCol = columnAt(gridPos.x() - cells.left());
  m_nMouseRow = inHeaderRow ? 0 : (modelRow < 0 ? -1 : modelRow + m_nFixedRows);
  m_nMouseCol = inHeaderCol ? 0 : (modelCol < 0 ? -1 : modelCol + m_nFixedCols);
}

void CMSFlexGrid::FireMouseDown(const QMouseEvent* event, const QPoint& gridPos) {
  emit MouseDown(ButtonValue(event->button()), ShiftValue(event->modifiers()), PixelsToTwips(gridPos.x(), DpiX()),
                 PixelsToTwips(gridPos.y(), DpiY()));
}

void CMSFlexGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint gridPos = viewport()->mapTo(this, event->position().toPoint());
  NoteMouse(gridPos);
  const bool onCell = IsCell(m_nMouseRow, m_nMouseCol);
  const bool left = event->button() == Qt::LeftButton;
  if (onCell && left && (event->modifiers() & Qt::ShiftModifier)) {
    SetSelectionEnd(m_nMouseRow, m_nMouseCol);
  } else if (!(onCell && event->button() == Qt::RightButton && InSelection(m_nMouseRow, m_nMouseCol))) {
    // The press moves the current cell first, so MouseDown sees the new one.
    // (A right click inside the selection keeps it for the context menu.)
    QTableWidget::mousePressEvent(event);
    CollapseSelection();
  }
  if (onCell && left) m_dragging = Dragging::Cells;
  FireMouseDown(event, gridPos);
}

void CMSFlexGrid::mouseMoveEvent(QMouseEvent* event) {
  // A drag moves the selection's second corner, never the current cell.
  if (m_dragging != Dragging::Cells || !(event->buttons() & Qt::LeftButton)) {
    QTableWidget::mouseMoveEvent(event);
    return;
  }
  NoteMouse(viewport()->mapTo(this, event->position().toPoint()));
  if (IsCell(m_nMouseRow, m_nMouseCol)) SetSelectionEnd(m_nMouseRow, m_nMouseCol);
}

void CMSFlexGrid::mouseReleaseEvent(QMouseEvent* event) {
  m_dragging = Dragging::None;
  QTableWidget::mouseReleaseEvent(event);
}

void CMSFlexGrid::keyPressEvent(QKeyEvent* event) {
  int rows = 0;
  int cols = 0;
  switch (event->key()) {
    case Qt::Key_Up: rows = -1; break;
    case Qt::Key_Down: rows = 1; break;
    case Qt::Key_Left: cols = -1; break;
    case Qt::Key_Right: cols = 1; break;
    default: break;
  }
  if ((rows != 0 || cols != 0) && event->modifiers() == Qt::ShiftModifier) {
    SetSelectionEnd(m_nRowSel + rows, m_nColSel + cols);
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void CMSFlexGrid::scrollContentsBy(int dx, int dy) {
  QTableWidget::scrollContentsBy(dx, dy);
  emit Scrolled();
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched->parent() == this && !IsOwnPart(watched)) {
    // An in-place editor: named for the cell it opens over, before the focus
    // event tells a screen reader about it.
    auto* hosted = qobject_cast<QWidget*>(watched);
    if (hosted != nullptr && (type == QEvent::Show || type == QEvent::FocusIn)) NameEditor(hosted);
    return false;
  }
  if (watched == m_pCorner && type == QEvent::Paint) {
    PaintCorner();
    return true;
  }
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
      type != QEvent::MouseButtonRelease)
    return QTableWidget::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint gridPos = widget->mapTo(this, mouse->position().toPoint());
  NoteMouse(gridPos);
  if (widget == viewport()) return false;
  if (type == QEvent::MouseButtonRelease) m_dragging = Dragging::None;
  if (type == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) OnHeaderDrag();
  if (type != QEvent::MouseButtonPress) return false;
  OnHeaderPress(mouse->button(), mouse->modifiers());
  FireMouseDown(mouse, gridPos);
  return true;
}

void CMSFlexGrid::OnHeaderPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  // A header cell selects its whole row or column, with Shift from the
  // current one on; a right click on a header inside the selection keeps it.
  const int lastRow = GetRows() - 1;
  const int lastCol = GetCols() - 1;
  const bool rowHeader = m_nMouseCol >= 0 && m_nMouseCol < m_nFixedCols && m_nMouseRow >= m_nFixedRows;
  const bool colHeader = m_nMouseRow >= 0 && m_nMouseRow < m_nFixedRows && m_nMouseCol >= m_nFixedCols;
  const bool extend = button == Qt::LeftButton && (modifiers & Qt::ShiftModifier);
  if (rowHeader) {
    const bool wholeRows = std::min(m_nCol, m_nColSel) == m_nFixedCols && std::max(m_nCol, m_nColSel) == lastCol;
    if (button == Qt::RightButton && wholeRows && InSelection(m_nMouseRow, m_nCol)) return;
    Select(extend ? m_nRow : m_nMouseRow, m_nFixedCols, m_nMouseRow, lastCol);
    if (button == Qt::LeftButton) m_dragging = Dragging::Rows;
  } else if (colHeader) {
    const bool wholeCols = std::min(m_nRow, m_nRowSel) == m_nFixedRows && std::max(m_nRow, m_nRowSel) == lastRow;
    if (button == Qt::RightButton && wholeCols && InSelection(m_nRow, m_nMouseCol)) return;
    Select(m_nFixedRows, extend ? m_nCol : m_nMouseCol, lastRow, m_nMouseCol);
    if (button == Qt::LeftButton) m_dragging = Dragging::Cols;
  }
}

void CMSFlexGrid::OnHeaderDrag() {
  if (m_dragging == Dragging::Rows && m_nMouseRow >= m_nFixedRows) SetSelectionEnd(m_nMouseRow, GetCols() - 1);
  if (m_dragging == Dragging::Cols && m_nMouseCol >= m_nFixedCols) SetSelectionEnd(GetRows() - 1, m_nMouseCol);
}

void CMSFlexGrid::PaintCorner() {
  QPainter painter(m_pCorner);
  QStyleOptionHeader option;
  option.initFrom(m_pCorner);
  option.rect = m_pCorner->rect();
  option.text = m_strCorner;
  option.textAlignment = Qt::AlignCenter;
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.palette.setColor(QPalette::ButtonText, m_fixedColor);
  style()->drawControl(QStyle::CE_Header, &option, &painter, m_pCorner);
}
