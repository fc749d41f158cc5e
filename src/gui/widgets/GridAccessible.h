#pragma once
// The grid as a screen reader meets it: a table whose cells, header cells
// included, are its children in the order Qt's item views number them (row
// by row, the fixed row and column counted), followed by the in-place editor
// that is open over a cell. The editor is then the table's focused child, so
// what the user types into is on the accessibility bus where the table is.
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

class CMSFlexGrid;

class CGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit CGridAccessible(CMSFlexGrid* grid);
  ~CGridAccessible() override;

  // The factory QAccessible asks for every object: a CMSFlexGrid gets one of these.
  static QAccessibleInterface* Factory(const QString& className, QObject* object);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::Role role() const override { return QAccessible::Table; }
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;

  // Rows and columns below and right of the fixed ones.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent* event) override;

  // The cell of a grid row and column (fixed ones included); nullptr outside.
  QAccessibleInterface* Cell(int row, int col) const;

 private:
  CMSFlexGrid* Grid() const;
  int CellCount() const;
  void ForgetCells();

  mutable std::map<int, QAccessible::Id> m_cells;  // by child index
};
