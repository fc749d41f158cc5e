#pragma once
// The grid every table of the program uses. Rows and columns count the fixed
// header row and column (one each unless set otherwise); positions and sizes
// are in twips, relative to the grid widget, so an editor made a child of the
// grid lands over a cell at TwipsToPixels of them. Moving the current cell,
// by a setter, the mouse or the keyboard, fires LeaveCell while Row and Col
// still name the old cell, then EnterCell.
//
// The selection is the rectangle from the current cell to a second corner,
// RowSel and ColSel. Moving the current cell collapses it onto that cell;
// Shift with an arrow key or a click, a drag across cells, and a click or
// drag on the row or column headers move the second corner (a header picks
// whole rows or columns), each change followed by SelChange.
#include <QColor>
#include <QTableWidget>
#include <vector>

class QAbstractButton;
class QLabel;
class CSpokenNotice;

class CMSFlexGrid : public QTableWidget {
  Q_OBJECT
 public:
  // MouseDown's button and shift values.
  enum { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
  enum { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };
  // ColAlignment: 0-8 are left/centre/right by top/centre/bottom.
  enum { kAlignCenterCenter = 4 };
  // HighLight.
  enum { kHighlightNever = 0, kHighlightAlways = 1, kHighlightWithFocus = 2 };

  explicit CMSFlexGrid(QWidget* parent = nullptr);

  int GetRows() const { return rowCount() + m_nFixedRows; }
  void SetRows(int rows);
  int GetCols() const { return columnCount() + m_nFixedCols; }
  void SetCols(int cols);
  int GetFixedRows() const { return m_nFixedRows; }
  void SetFixedRows(int fixedRows);  // 0 or 1
  int GetFixedCols() const { return m_nFixedCols; }
  void SetFixedCols(int fixedCols);  // 0 or 1

  int GetRow() const { return m_nRow; }
  void SetRow(int row);
  int GetCol() const { return m_nCol; }
  void SetCol(int col);
  // Both at once, with one LeaveCell and one EnterCell.
  void SetCurrentCell(int row, int col);

  int GetRowSel() const { return m_nRowSel; }
  int GetColSel() const { return m_nColSel; }
  void SetRowSel(int rowSel) { SetSelectionEnd(rowSel, m_nColSel); }
  void SetColSel(int colSel) { SetSelectionEnd(m_nRowSel, colSel); }
  // Both corners' second at once, with one SelChange.
  void SetSelectionEnd(int rowSel, int colSel);
  // The current cell and the second corner at once: one LeaveCell and
  // EnterCell (which already see the selection), then SelChange.
  void Select(int row, int col, int rowSel, int colSel);
  // More than the current cell is selected.
  bool HasBlockSelection() const { return m_nRowSel != m_nRow || m_nColSel != m_nCol; }

  QString GetText() const { return GetTextMatrix(m_nRow, m_nCol); }
  void SetText(const QString& text) { SetTextMatrix(m_nRow, m_nCol, text); }
  // Any cell, fixed ones included; a cell never set reads as empty.
  QString GetTextMatrix(int row, int col) const;
  void SetTextMatrix(int row, int col, const QString& text);

  int GetColWidth(int col) const;
  void SetColWidth(int col, int twips);
  int GetRowHeight(int row) const;
  int GetColPos(int col) const;
  int GetRowPos(int row) const;
  int GetCellLeft() const { return GetColPos(m_nCol); }
  int GetCellTop() const { return GetRowPos(m_nRow); }
  int GetCellWidth() const { return GetColWidth(m_nCol); }
  int GetCellHeight() const { return GetRowHeight(m_nRow); }

  void SetColAlignment(int col, int alignment);
  // A Windows colour, 0x00BBGGRR.
  void SetForeColorFixed(unsigned int color);
  QColor ForeColorFixed() const { return m_fixedColor; }
  int GetHighLight() const { return m_nHighLight; }
  void SetHighLight(int highLight);

  // The cell under the mouse pointer when it last moved over the grid or
  // pressed a button there; -1 outside every cell.
  int GetMouseRow() const { return m_nMouseRow; }
  int GetMouseCol() const { return m_nMouseCol; }

  // What a screen reader calls a row or column: a fixed cell's text unless a
  // row was given a name of its own ("Channel 3" for the cell " 3").
  void SetRowName(int row, const QString& name);
  QString RowName(int row) const;
  QString ColName(int col) const;
  // An in-place editor over the cell: "Rx Frequency, channel 3".
  QString CellName(int row, int col) const;
  // The visible child widgets laid over the cells (the in-place editors),
  // not the grid's own parts. Each is named after the current cell whenever
  // it shows or takes the focus.
  QWidgetList HostedWidgets() const;
  // An editor about to open over the current cell, perhaps the one that
  // was open over another: a screen reader meets it as a new object, named
  // for this cell. (It takes a focus event for the object it already has in
  // focus as no news, and a renamed focus as no cell change.)
  void PresentEditor(QWidget* hosted);
  // Drops the accessible objects of an editor and its text field: what it
  // tells next comes from new ones.
  static void ForgetAccessible(QWidget* hosted);
  // While one lives, a changed cell is not told to a screen reader: a table
  // written whole (after a Read, an Undo) would flood it with a change per
  // cell, and it would drop what it is told next.
  class QuietCells {
   public:
    explicit QuietCells(CMSFlexGrid* grid) : m_pGrid(grid), m_bWas(grid->m_bQuietCells) { grid->m_bQuietCells = true; }
    ~QuietCells() { m_pGrid->m_bQuietCells = m_bWas; }
    QuietCells(const QuietCells&) = delete;
    QuietCells& operator=(const QuietCells&) = delete;

   private:
    CMSFlexGrid* m_pGrid;
    bool m_bWas;
  };
  // Has a screen reader say a cell by its column, row and text ("Rx
  // Frequency, channel 3, 146.52000"): a cell that took a value while the
  // focus moved on, or the current cell as the grid itself takes the focus.
  void SayCell(int row, int col);

  // Pixels of the grid widget per logical inch, across and down.
  int DpiX() const { return logicalDpiX(); }
  int DpiY() const { return logicalDpiY(); }

 signals:
  void EnterCell();
  void LeaveCell();
  // x and y in twips, relative to the grid.
  void MouseDown(int button, int shift, int x, int y);
  // The cells moved under the grid's children (a scroll).
  void Scrolled();
  // The selection changed.
  void SelChange();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // The focus on the grid itself lands on its current cell, which is said.
  void focusInEvent(QFocusEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void childEvent(QChildEvent* event) override;
  // Typing on the grid does not jump to a cell that begins with the letter.
  void keyboardSearch(const QString&) override {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The model cell of a grid cell that is not fixed; -1 when it is.
  int ModelRow(int row) const { return row - m_nFixedRows; }
  int ModelCol(int col) const { return col - m_nFixedCols; }
  QTableWidgetItem* HeaderItem(bool horizontal, int section);
  void NewSections();
  void ApplyColumnAlignment(int col);
  void ApplyHighlight();
  void UpdateHeaders();
  void NoteMouse(const QPoint& gridPos);
  void FireMouseDown(const QMouseEvent* event, const QPoint& gridPos);
  void SetFixed(int fixedRows, int fixedCols);
  void MoveCurrentSilently(int row, int col);
  bool IsCell(int row, int col) const;  // not fixed, inside the grid
  void ShowSelection();
  void CollapseSelection();
  bool InSelection(int row, int col) const;
  void OnHeaderPress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void OnHeaderDrag();
  void PaintCorner();
  bool IsOwnPart(const QObject* child) const;
  // A screen reader hears a cell's new text.
  void NotifyCellChanged(int row, int col);
  void NameEditor(QWidget* hosted);

  int m_nFixedRows = 1;
  int m_nFixedCols = 1;
  int m_nRow = 1;
  int m_nCol = 1;
  int m_nRowSel = 1;
  int m_nColSel = 1;
  enum class Dragging { None, Cells, Rows, Cols };
  Dragging m_dragging = Dragging::None;
  int m_nMouseRow = -1;
  int m_nMouseCol = -1;
  int m_nHighLight = kHighlightAlways;
  QColor m_fixedColor;
  QString m_strCorner;            // cell (0, 0) while both a row and a column are fixed
  std::vector<int> m_alignments;  // per grid column; -1: not set
  QAbstractButton* m_pCorner = nullptr;
  QLabel* m_pEditorLabel = nullptr;  // hidden; the label of the open in-place editor
  CSpokenNotice* m_pNotice = nullptr;  // made when first needed
  bool m_bSilent = false;            // a move made here, or a resize: no events
  bool m_bQuietCells = false;        // see QuietCells
};
