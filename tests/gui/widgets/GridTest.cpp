// The grid: cells by grid coordinates with the fixed header row and column,
// the order of LeaveCell and EnterCell for every way the current cell moves,
// positions in twips, and the mouse.
#include <QHeaderView>
#include <QTest>
#include <functional>

#include "core/shell/EditorRules.h"
#include "gui/widgets/MSFlexGrid.h"

namespace {

// "L r,c" for a LeaveCell and "E r,c" for an EnterCell, with Row and Col as
// the handler sees them.
QStringList RecordEvents(CMSFlexGrid& grid, const std::function<void()>& action) {
  QStringList events;
  auto note = [&](const char* kind) {
    events << QStringLiteral("%1 %2,%3").arg(QLatin1String(kind)).arg(grid.GetRow()).arg(grid.GetCol());
  };
  const auto leave = QObject::connect(&grid, &CMSFlexGrid::LeaveCell, [&] { note("L"); });
  const auto enter = QObject::connect(&grid, &CMSFlexGrid::EnterCell, [&] { note("E"); });
  action();
  QObject::disconnect(leave);
  QObject::disconnect(enter);
  return events;
}

struct ShownGrid {
  CMSFlexGrid grid;
  ShownGrid(int rows, int cols) {
    grid.SetRows(rows);
    grid.SetCols(cols);
    grid.resize(600, 400);
    grid.show();
    grid.activateWindow();
    grid.setFocus();
  }
  QPoint CellCentre(int row, int col) const { return grid.visualRect(grid.model()->index(row - 1, col - 1)).center(); }
};

}  // namespace

class GridTest : public QObject {
  Q_OBJECT
 private slots:
  void textMatrix();
  void fixedRowsKeepTexts();
  void cellMoves_data();
  void cellMoves();
  void positionsInTwips();
  void mouse_data();
  void mouse();
};

void GridTest::textMatrix() {
  CMSFlexGrid grid;
  QCOMPARE(grid.GetRows(), 2);
  QCOMPARE(grid.GetCols(), 2);
  grid.SetRows(4);
  grid.SetCols(3);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) {
      if (r == 2 && c == 2) continue;
      grid.SetTextMatrix(r, c, QStringLiteral("%1/%2").arg(r).arg(c));
    }
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c)
      QCOMPARE(grid.GetTextMatrix(r, c), r == 2 && c == 2 ? QString() : QStringLiteral("%1/%2").arg(r).arg(c));
  QCOMPARE(grid.GetTextMatrix(4, 0), QString());
  QCOMPARE(grid.GetTextMatrix(0, -1), QString());
  // Text is the current cell, (1, 1) to begin with.
  QCOMPARE(grid.GetText(), QStringLiteral("1/1"));
  grid.SetText(QStringLiteral("x"));
  QCOMPARE(grid.GetTextMatrix(1, 1), QStringLiteral("x"));
  // Fewer rows drop the last ones and keep the rest.
  grid.SetRows(2);
  QCOMPARE(grid.GetRows(), 2);
  QCOMPARE(grid.GetTextMatrix(1, 2), QStringLiteral("1/2"));
}

void GridTest::fixedRowsKeepTexts() {
  CMSFlexGrid grid;
  grid.SetRows(3);
  grid.SetCols(3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) grid.SetTextMatrix(r, c, QStringLiteral("%1%2").arg(r).arg(c));
  grid.SetFixedRows(0);
  grid.SetFixedCols(0);
  QCOMPARE(grid.GetRows(), 3);
  QCOMPARE(grid.GetCols(), 3);
  QVERIFY(grid.horizontalHeader()->isHidden());
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) QCOMPARE(grid.GetTextMatrix(r, c), QStringLiteral("%1%2").arg(r).arg(c));
  grid.SetCurrentCell(0, 0);
  QCOMPARE(grid.GetText(), QStringLiteral("00"));
}

void GridTest::cellMoves_data() {
  QTest::addColumn<QString>("move");
  QTest::addColumn<QStringList>("events");

  QTest::newRow("Row") << "row 3" << QStringList{"L 1,1", "E 3,1"};
  QTest::newRow("Col") << "col 2" << QStringList{"L 1,1", "E 1,2"};
  QTest::newRow("both at once") << "cell 4,3" << QStringList{"L 1,1", "E 4,3"};
  QTest::newRow("the same cell again") << "cell 1,1" << QStringList{"L 1,1", "E 1,1"};
  QTest::newRow("a fixed cell is refused") << "cell 0,1" << QStringList{};
  QTest::newRow("beyond the grid is refused") << "cell 5,1" << QStringList{};
  QTest::newRow("Down arrow") << "key down" << QStringList{"L 1,1", "E 2,1"};
  QTest::newRow("Right arrow") << "key right" << QStringList{"L 1,1", "E 1,2"};
  QTest::newRow("Tab") << "key tab" << QStringList{"L 1,1", "E 1,2"};
  QTest::newRow("Up arrow stays below the header") << "key up" << QStringList{};
  QTest::newRow("mouse") << "click 3,2" << QStringList{"L 1,1", "E 3,2"};
  QTest::newRow("row header") << "click header 4" << QStringList{"L 1,1", "E 4,1"};
  QTest::newRow("typing moves nothing") << "key 1" << QStringList{};
}

void GridTest::cellMoves() {
  QFETCH(QString, move);
  QFETCH(QStringList, events);

  ShownGrid shown(5, 4);
  CMSFlexGrid& grid = shown.grid;
  const QStringList words = move.split(QLatin1Char(' '));
  const QStringList numbers = words.last().split(QLatin1Char(','));
  const int a = numbers.value(0).toInt();
  const int b = numbers.value(1).toInt();
  const QStringList seen = RecordEvents(grid, [&] {
    if (words[0] == QLatin1String("row")) grid.SetRow(a);
    if (words[0] == QLatin1String("col")) grid.SetCol(a);
    if (words[0] == QLatin1String("cell")) grid.SetCurrentCell(a, b);
    if (words[0] == QLatin1String("key")) {
      const QString key = words[1];
      const Qt::Key code = key == QLatin1String("down")    ? Qt::Key_Down
                           : key == QLatin1String("right") ? Qt::Key_Right
                           : key == QLatin1String("tab")   ? Qt::Key_Tab
                           : key == QLatin1String("up")    ? Qt::Key_Up
                                                           : Qt::Key_1;
      QTest::keyClick(&grid, code);
    }
    if (words[0] == QLatin1String("click") && words[1] == QLatin1String("header")) {
      QHeaderView* header = grid.verticalHeader();
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->width() / 2, header->sectionViewportPosition(a - 1) + 2));
    } else if (words[0] == QLatin1String("click")) {
      QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, shown.CellCentre(a, b));
    }
  });
  QCOMPARE(seen, events);
}

void GridTest::positionsInTwips() {
  ShownGrid shown(5, 4);
  CMSFlexGrid& grid = shown.grid;
  grid.SetColWidth(0, 600);
  grid.SetColWidth(2, 1500);
  const int dpiX = grid.DpiX();
  const int dpiY = grid.DpiY();
  QCOMPARE(TwipsToPixels(grid.GetColWidth(2), dpiX), TwipsToPixels(1500, dpiX));
  QCOMPARE(TwipsToPixels(grid.GetColWidth(0), dpiX), TwipsToPixels(600, dpiX));
  // Columns and rows follow each other without gaps.
  for (int c = 0; c + 1 < grid.GetCols(); ++c)
    QCOMPARE(TwipsToPixels(grid.GetColPos(c + 1), dpiX),
             TwipsToPixels(grid.GetColPos(c), dpiX) + TwipsToPixels(grid.GetColWidth(c), dpiX));
  for (int r = 0; r + 1 < grid.GetRows(); ++r)
    QCOMPARE(TwipsToPixels(grid.GetRowPos(r + 1), dpiY),
             TwipsToPixels(grid.GetRowPos(r), dpiY) + TwipsToPixels(grid.GetRowHeight(r), dpiY));
  // The current cell's rectangle, brought back to pixels, is the cell on
  // screen in grid coordinates: what an editor child of the grid covers.
  grid.SetCurrentCell(3, 2);
  const QRect cell(TwipsToPixels(grid.GetCellLeft(), dpiX), TwipsToPixels(grid.GetCellTop(), dpiY),
                   TwipsToPixels(grid.GetCellWidth(), dpiX), TwipsToPixels(grid.GetCellHeight(), dpiY));
  const QRect onScreen = grid.visualRect(grid.model()->index(2, 1)).translated(grid.viewport()->pos());
  QCOMPARE(cell.topLeft(), onScreen.topLeft());
  QCOMPARE(cell.size(), onScreen.size() + QSize(1, 1));  // with its grid lines
}

void GridTest::mouse_data() {
  QTest::addColumn<bool>("onHeader");
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QList<int>>("down");  // button, shift, MouseRow, MouseCol

  QTest::newRow("left on a cell") << false << int(Qt::LeftButton) << 0 << QList<int>{1, 0, 2, 3};
  QTest::newRow("right with Shift and Ctrl")
      << false << int(Qt::RightButton) << int(Qt::ShiftModifier | Qt::ControlModifier) << QList<int>{2, 3, 2, 3};
  QTest::newRow("column header") << true << int(Qt::LeftButton) << 0 << QList<int>{1, 0, 0, 3};
}

void GridTest::mouse() {
  QFETCH(bool, onHeader);
  QFETCH(int, button);
  QFETCH(int, modifiers);
  QFETCH(QList<int>, down);

  ShownGrid shown(4, 4);
  CMSFlexGrid& grid = shown.grid;
  QList<int> seen;
  QPoint at;
  connect(&grid, &CMSFlexGrid::MouseDown, this, [&](int b, int shift, int x, int y) {
    seen = {b, shift, grid.GetMouseRow(), grid.GetMouseCol()};
    at = QPoint(TwipsToPixels(x, grid.DpiX()), TwipsToPixels(y, grid.DpiY()));
  });
  QWidget* target = onHeader ? grid.horizontalHeader()->viewport() : grid.viewport();
  const QPoint point =
      onHeader ? QPoint(grid.horizontalHeader()->sectionViewportPosition(2) + 5, 5) : shown.CellCentre(2, 3);
  QTest::mouseClick(target, static_cast<Qt::MouseButton>(button), static_cast<Qt::KeyboardModifiers>(modifiers), point);
  QCOMPARE(seen, down);
  QCOMPARE(at, target->mapTo(&grid, point));
}

QTEST_MAIN(GridTest)
#include "GridTest.moc"
