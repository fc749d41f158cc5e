#include "gui/widgets/GridAccessible.h"

#include <QApplication>
#include <algorithm>

#include "core/shell/EditorRules.h"
#include "gui/widgets/MSFlexGrid.h"
#include "gui/widgets/PartAccessible.h"

namespace {

// One cell of the grid, fixed ones included. It holds no text of its own:
// every answer is read from the grid when asked, so a cell object that a
// screen reader keeps stays right while the table changes under it.
class CGridCellAccessible : public CPartAccessible<CMSFlexGrid>, public QAccessibleTableCellInterface {
 public:
  CGridCellAccessible(CMSFlexGrid* grid, int row, int col) : CPartAccessible(grid), m_nRow(row), m_nCol(col) {}

  bool isValid() const override {
    return m_owner != nullptr && m_nRow < m_owner->GetRows() && m_nCol < m_owner->GetCols();
  }

  QString text(QAccessible::Text type) const override {
    if (!isValid() || type != QAccessible::Name) return QString();
    if (IsRowHeader()) return m_owner->RowName(m_nRow);
    if (IsColumnHeader()) return m_owner->ColName(m_nCol);
    return m_owner->GetTextMatrix(m_nRow, m_nCol);
  }

  QRect rect() const override {
    if (!isValid()) return QRect();
    const QRect cell(TwipsToPixels(m_owner->GetColPos(m_nCol), m_owner->DpiX()),
                     TwipsToPixels(m_owner->GetRowPos(m_nRow), m_owner->DpiY()),
                     TwipsToPixels(m_owner->GetColWidth(m_nCol), m_owner->DpiX()),
                     TwipsToPixels(m_owner->GetRowHeight(m_nRow), m_owner->DpiY()));
    return QRect(m_owner->mapToGlobal(cell.topLeft()), cell.size());
  }

  QAccessible::Role role() const override {
    if (IsColumnHeader()) return QAccessible::ColumnHeader;
    if (IsRowHeader()) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const QRect visible(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
    state.invisible = !m_owner->isVisible();
    state.offscreen = !visible.intersects(rect());
    if (IsColumnHeader() || IsRowHeader()) return state;
    state.focusable = true;
    state.selectable = true;
    const bool current = m_nRow == m_owner->GetRow() && m_nCol == m_owner->GetCol();
    state.focused = current && m_owner->hasFocus();
    state.active = current;
    state.selected = isSelected();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface && !IsColumnHeader() && !IsRowHeader())
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override {
    if (!isValid()) return false;
    const int top = std::min(m_owner->GetRow(), m_owner->GetRowSel());
    const int bottom = std::max(m_owner->GetRow(), m_owner->GetRowSel());
    const int left = std::min(m_owner->GetCol(), m_owner->GetColSel());
    const int right = std::max(m_owner->GetCol(), m_owner->GetColSel());
    return m_nRow >= top && m_nRow <= bottom && m_nCol >= left && m_nCol <= right;
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    return HeaderCell(0, m_nCol, m_owner->GetFixedRows());
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    return HeaderCell(m_nRow, 0, m_owner->GetFixedCols());
  }
  int columnIndex() const override { return m_nCol - m_owner->GetFixedCols(); }
  int rowIndex() const override { return m_nRow - m_owner->GetFixedRows(); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  bool IsColumnHeader() const { return m_nRow < m_owner->GetFixedRows(); }
  bool IsRowHeader() const { return !IsColumnHeader() && m_nCol < m_owner->GetFixedCols(); }
  QList<QAccessibleInterface*> HeaderCell(int row, int col, int fixed) const {
    if (!isValid() || fixed == 0) return {};
    auto* table = static_cast<CGridAccessible*>(parent());
    QAccessibleInterface* header = table == nullptr ? nullptr : table->Cell(row, col);
    if (header == nullptr) return {};
    return {header};
  }

  int m_nRow;
  int m_nCol;
};

}  // namespace

CGridAccessible::CGridAccessible(CMSFlexGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

CGridAccessible::~CGridAccessible() { ForgetCells(); }

QAccessibleInterface* CGridAccessible::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CMSFlexGrid"))
    if (auto* grid = qobject_cast<CMSFlexGrid*>(object)) return new CGridAccessible(grid);
  return nullptr;
}

CMSFlexGrid* CGridAccessible::Grid() const { return static_cast<CMSFlexGrid*>(widget()); }

void* CGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

int CGridAccessible::CellCount() const { return Grid()->GetRows() * Grid()->GetCols(); }

int CGridAccessible::childCount() const { return CellCount() + static_cast<int>(Grid()->HostedWidgets().size()); }

QAccessibleInterface* CGridAccessible::Cell(int row, int col) const {
  const CMSFlexGrid* grid = Grid();
  if (row < 0 || col < 0 || row >= grid->GetRows() || col >= grid->GetCols()) return nullptr;
  const int index = row * grid->GetCols() + col;
  if (const auto known = m_cells.find(index); known != m_cells.end())
    if (QAccessibleInterface* cell = QAccessible::accessibleInterface(known->second)) return cell;
  auto* cell = new CGridCellAccessible(Grid(), row, col);
  m_cells[index] = QAccessible::registerAccessibleInterface(cell);
  return cell;
}

QAccessibleInterface* CGridAccessible::child(int index) const {
  if (index < 0) return nullptr;
  const int cols = Grid()->GetCols();
  if (index < CellCount()) return Cell(index / cols, index % cols);
  const QWidgetList hosted = Grid()->HostedWidgets();
  const int at = index - CellCount();
  return at < hosted.size() ? QAccessible::queryAccessibleInterface(hosted[at]) : nullptr;
}

int CGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  if (QObject* object = child->object()) {
    const int at = static_cast<int>(Grid()->HostedWidgets().indexOf(qobject_cast<QWidget*>(object)));
    return at < 0 ? -1 : CellCount() + at;
  }
  for (const auto& [index, id] : m_cells)
    if (QAccessible::accessibleInterface(id) == child) return index;
  return -1;
}

QAccessibleInterface* CGridAccessible::focusChild() const {
  const CMSFlexGrid* grid = Grid();
  for (QWidget* hosted : grid->HostedWidgets())
    if (hosted->hasFocus() || hosted->isAncestorOf(QApplication::focusWidget()))
      return QAccessible::queryAccessibleInterface(hosted);
  if (!grid->hasFocus()) return nullptr;
  return Cell(grid->GetRow(), grid->GetCol());
}

QAccessibleInterface* CGridAccessible::childAt(int x, int y) const {
  const QPoint global(x, y);
  for (QWidget* hosted : Grid()->HostedWidgets())
    if (QRect(hosted->mapToGlobal(QPoint(0, 0)), hosted->size()).contains(global))
      return QAccessible::queryAccessibleInterface(hosted);
  for (int index = 0; index < CellCount(); ++index) {
    QAccessibleInterface* cell = child(index);
    if (cell != nullptr && cell->rect().contains(global)) return cell;
  }
  return nullptr;
}

QAccessibleInterface* CGridAccessible::cellAt(int row, int column) const {
  return Cell(row + Grid()->GetFixedRows(), column + Grid()->GetFixedCols());
}

int CGridAccessible::selectedCellCount() const { return static_cast<int>(selectedCells().size()); }

QList<QAccessibleInterface*> CGridAccessible::selectedCells() const {
  QList<QAccessibleInterface*> cells;
  const CMSFlexGrid* grid = Grid();
  for (int row = grid->GetFixedRows(); row < grid->GetRows(); ++row)
    for (int col = grid->GetFixedCols(); col < grid->GetCols(); ++col) {
      QAccessibleInterface* cell = Cell(row, col);
      if (cell != nullptr && cell->tableCellInterface()->isSelected()) cells << cell;
    }
  return cells;
}

QString CGridAccessible::columnDescription(int column) const {
  return Grid()->ColName(column + Grid()->GetFixedCols());
}

QString CGridAccessible::rowDescription(int row) const { return Grid()->RowName(row + Grid()->GetFixedRows()); }

int CGridAccessible::columnCount() const { return Grid()->GetCols() - Grid()->GetFixedCols(); }

int CGridAccessible::rowCount() const { return Grid()->GetRows() - Grid()->GetFixedRows(); }

void CGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
  // A cell keeps its row and column; once rows or columns come or go, the
  // objects handed out so far name other cells and are let go.
  if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) ForgetCells();
}

void CGridAccessible::ForgetCells() {
  for (const auto& [index, id] : m_cells) QAccessible::deleteAccessibleInterface(id);
  m_cells.clear();
}
