// Editing the channel table in place, through the real editors and keys:
// new channels, the band and raster messages, Enter against leaving the
// cell, tone cells, the Enter moves, help on the focused editor.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "EditingShell.h"
#include "core/files/ProgramDoc.h"
#include "core/radio/ChannelTable.h"
#include "core/shell/EditorRules.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/widgets/MSFlexGrid.h"

namespace {

const QStringList kSet{"446.00625", "446.00625", "None", "None", "Wide", "Yes", "Off", "High"};
const QStringList kEmpty{"", "", "", "", "", "", "", ""};
const QString kUntyped = QStringLiteral("(nothing typed)");

QStringList With(QStringList row, int column, const QString& text) {
  row[column - 1] = text;
  return row;
}

}  // namespace

class CellEditingTest : public QObject {
  Q_OBJECT
 private slots:
  void commit_data();
  void commit();
  void enterWithoutEditorOnlyMoves();
  void enterWrapsAtTheEnd();
  void editorShowsTheCell_data();
  void editorShowsTheCell();
  void helpForTheFocusedEditor();
  void escapePutsBackTheCell_data();
  void escapePutsBackTheCell();
};

void CellEditingTest::commit_data() {
  QTest::addColumn<QStringList>("before");  // row 1, columns 1-8
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("how");  // "enter", "tab", "end", "click" (on row 3), "pending" (CommitPendingEdit)
  QTest::addColumn<QStringList>("after");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QPoint>("current");  // row, column afterwards

  const QString range = QStringLiteral("Out of range,please input again.");
  const QString step = QStringLiteral("Error data Value, please input according the step value(6.25K/5k).");
  QTest::newRow("new channel takes the defaults") << kEmpty << 1 << "446.00625"
                                                  << "enter" << kSet << "" << QPoint(1, 2);
  QTest::newRow("existing receive frequency") << kSet << 1 << "446"
                                              << "tab" << With(kSet, 1, "446.00000") << "" << QPoint(1, 2);
  QTest::newRow("receive frequency off the raster") << kSet << 1 << "446.003"
                                                    << "enter" << kEmpty << step << QPoint(1, 1);
  QTest::newRow("top of the band") << kEmpty << 1 << "471.00000"
                                   << "click" << QStringList{"471.00000", "471.00000", "None", "None",
                                                             "Wide",      "Yes",       "Off",  "High"}
                                   << "" << QPoint(3, 1);
  QTest::newRow("above the band") << kSet << 1 << "471.005"
                                  << "tab" << kEmpty << range << QPoint(1, 2);
  QTest::newRow("an untyped value outside the band is kept")
      << With(kSet, 1, "300.00000") << 1 << kUntyped << "tab" << With(kSet, 1, "300.00000") << "" << QPoint(1, 2);
  QTest::newRow("End on an untouched value goes to the last column")
      << kSet << 1 << kUntyped << "end" << kSet << "" << QPoint(1, 8);
  QTest::newRow("End after typing stays in the cell") << kSet << 1 << "447" << "end" << kSet << "" << QPoint(1, 1);
  // A refused transmit frequency leaves the row as it was, whichever way the
  // editor closed; only a refused Enter keeps the current cell.
  QTest::newRow("Tx out of band, left") << kSet << 2 << "300"
                                        << "tab" << kSet << range << QPoint(1, 3);
  QTest::newRow("Tx out of band, Enter") << kSet << 2 << "300"
                                         << "enter" << kSet << range << QPoint(1, 2);
  QTest::newRow("Tx off the raster, left") << kSet << 2 << "446.003"
                                           << "click" << kSet << step << QPoint(3, 1);
  QTest::newRow("Tx off the raster, Enter") << With(kSet, 2, "440.00000") << 2 << "446.003"
                                            << "enter" << With(kSet, 2, "440.00000") << step << QPoint(1, 2);
  QTest::newRow("pending Tx edit committed") << kSet << 2 << "440.0125"
                                             << "pending" << With(kSet, 2, "440.01250") << "" << QPoint(1, 2);
  QTest::newRow("tone with a point") << kSet << 3 << "88.8"
                                     << "tab" << With(kSet, 3, "88.8") << "" << QPoint(1, 4);
  QTest::newRow("tone beginning a list entry") << kSet << 3 << "100"
                                               << "tab" << With(kSet, 3, "100.0") << "" << QPoint(1, 4);
  QTest::newRow("DCS typed in lower case, Enter") << kSet << 4 << "d023n"
                                                  << "enter" << With(kSet, 4, "D023N") << "" << QPoint(1, 5);
  QTest::newRow("number no entry begins, Enter") << kSet << 3 << "1024"
                                                 << "enter" << kSet << "" << QPoint(1, 4);
  QTest::newRow("bandwidth from its list") << kSet << 5 << "N"
                                           << "enter" << With(kSet, 5, "Narrow") << "" << QPoint(1, 6);
  QTest::newRow("power from its list") << kSet << 8 << "L"
                                       << "click" << With(kSet, 8, "Low") << "" << QPoint(3, 1);
}

void CellEditingTest::commit() {
  QFETCH(QStringList, before);
  QFETCH(int, column);
  QFETCH(QString, typed);
  QFETCH(QString, how);
  QFETCH(QStringList, after);
  QFETCH(QString, message);
  QFETCH(QPoint, current);

  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(1, before);
  s.view->GetDocument()->SetModifiedFlag(false);
  s.grid->SetCurrentCell(1, column);
  QVERIFY(s.view->IsEditing());
  if (typed != kUntyped) EditingShell::Type(typed);
  if (how == QLatin1String("enter")) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  if (how == QLatin1String("tab")) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  if (how == QLatin1String("end")) QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  if (how == QLatin1String("click")) QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, {}, s.CellCentre(3, 1));
  if (how == QLatin1String("pending")) s.view->CommitPendingEdit();

  QCOMPARE(s.Row(1), after);
  // What the window shows is what the file keeps.
  RadioImage stored = s.view->GetDocument()->image;
  StoreTableToImage(s.view->Table(), stored);
  const ChannelRow decoded = DecodeChannelRow(stored, 1, Language::English);
  QStringList readBack;
  for (int c = 1; c <= 8; ++c) readBack << QString::fromStdString(decoded[static_cast<std::size_t>(c)]);
  QCOMPARE(s.Row(1), readBack);
  QCOMPARE(s.shell.messages.size(), std::size_t{message.isEmpty() ? 0u : 1u});
  if (!message.isEmpty()) {
    QCOMPARE(s.shell.messages.front().text, message);
    QCOMPARE(s.shell.messages.front().caption, QStringLiteral("Caution"));
    QCOMPARE(s.shell.messages.front().icon, QMessageBox::Warning);
  }
  QCOMPARE(QPoint(s.grid->GetRow(), s.grid->GetCol()), current);
  // A refused Enter stays on the cell with no editor; any move shows the
  // next cell's editor; CommitPendingEdit leaves none.
  const bool stayed = how == QLatin1String("pending") || (how == QLatin1String("enter") && !message.isEmpty());
  QCOMPARE(s.view->IsEditing(), !stayed);
  QCOMPARE(s.view->GetDocument()->IsModified(), after != before);
}

void CellEditingTest::enterWithoutEditorOnlyMoves() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(2, kSet);
  s.grid->SetCurrentCell(2, 1);
  EditingShell::Type(QStringLiteral("446.003"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QVERIFY(!s.view->IsEditing());
  QCOMPARE(QApplication::focusWidget(), s.grid);
  QTest::keyClick(s.grid, Qt::Key_Return);
  QCOMPARE(QPoint(s.grid->GetRow(), s.grid->GetCol()), QPoint(2, 2));
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QVERIFY(s.view->IsEditing());
}

void CellEditingTest::enterWrapsAtTheEnd() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(16, kSet);
  s.grid->SetCurrentCell(16, 8);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(QPoint(s.grid->GetRow(), s.grid->GetCol()), QPoint(1, 1));
  QCOMPARE(s.Row(16), kSet);
  QVERIFY(s.view->Editor(2127)->isVisible());
}

void CellEditingTest::editorShowsTheCell_data() {
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("cell");
  QTest::addColumn<QString>("shown");

  QTest::newRow("frequency") << 1 << "446.00625"
                             << "446.00625";
  QTest::newRow("empty frequency") << 2 << ""
                                   << "";
  QTest::newRow("tone in the list") << 3 << "67.0"
                                    << "67.0";
  QTest::newRow("tone not in the list stays as text") << 4 << "88.8"
                                                      << "88.8";
  QTest::newRow("DCS begins an entry") << 3 << "d02"
                                       << "D023N";
  QTest::newRow("list entry") << 7 << "Carrier"
                              << "Carrier";
  QTest::newRow("empty list cell takes the first entry") << 8 << ""
                                                         << "High";
}

void CellEditingTest::editorShowsTheCell() {
  QFETCH(int, column);
  QFETCH(QString, cell);
  QFETCH(QString, shown);

  EditingShell s;
  QVERIFY(s.Start());
  s.grid->SetTextMatrix(4, column, cell);
  s.grid->SetCurrentCell(4, column);
  QWidget* editor = QApplication::focusWidget();
  while (editor != nullptr && editor->parentWidget() != s.grid) editor = editor->parentWidget();
  QVERIFY(editor != nullptr && editor->isVisible());
  const auto* combo = qobject_cast<QComboBox*>(editor);
  QCOMPARE(combo != nullptr ? combo->currentText() : qobject_cast<QLineEdit*>(editor)->text(), shown);
  // Laid exactly over the cell inside its grid lines, with a frame.
  const QRect cellRect(
      TwipsToPixels(s.grid->GetCellLeft(), s.grid->DpiX()), TwipsToPixels(s.grid->GetCellTop(), s.grid->DpiY()),
      TwipsToPixels(s.grid->GetCellWidth(), s.grid->DpiX()), TwipsToPixels(s.grid->GetCellHeight(), s.grid->DpiY()));
  QCOMPARE(editor->geometry(), cellRect.adjusted(0, 0, -1, -1));
  if (const auto* edit = qobject_cast<QLineEdit*>(editor)) QVERIFY(edit->hasFrame());
  // The cell's right and bottom grid lines stay drawn, as those of row 10.
  const QImage drawn = s.grid->grab().toImage();
  const int row10 = TwipsToPixels(s.grid->GetRowPos(10), s.grid->DpiY()) - cellRect.top();
  const QPoint right(cellRect.right(), cellRect.center().y());
  const QPoint bottom(cellRect.center().x(), cellRect.bottom());
  QCOMPARE(drawn.pixel(right), drawn.pixel(right + QPoint(0, row10)));
  QCOMPARE(drawn.pixel(bottom), drawn.pixel(bottom + QPoint(0, row10)));
}

// Counts the F1 presses that reach a widget after the one they were sent to.
class F1Spy : public QObject {
 public:
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) ++count;
    return false;
  }
};

void CellEditingTest::helpForTheFocusedEditor() {
  EditingShell s;
  QVERIFY(s.Start());
  // After help was asked for, the key goes on to the focused control, which
  // has no use for it and passes it up to the view.
  F1Spy spy;
  s.view->installEventFilter(&spy);
  const int ids[] = {2127, 2128, 2132, 2133, 2134, 2135, 1130, 1129};
  for (int column = 1; column <= 8; ++column) {
    s.grid->SetCurrentCell(5, column);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
  }
  s.grid->setFocus();
  QTest::keyClick(s.grid, Qt::Key_F1);
  std::vector<std::uint32_t> contexts;
  for (const HelpRequest& request : s.shell.help) contexts.push_back(request.context);
  std::vector<std::uint32_t> expected(std::begin(ids), std::end(ids));
  expected.push_back(1000);  // the grid
  QCOMPARE(contexts, expected);
  QCOMPARE(spy.count, 9);
}

void CellEditingTest::escapePutsBackTheCell_data() {
  QTest::addColumn<QStringList>("before");  // row 2
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("inEditor");  // Escape pressed in the editor, else on the grid

  QTest::newRow("receive frequency of a channel") << kSet << 1 << "447" << true;
  QTest::newRow("receive frequency of an empty row") << kEmpty << 1 << "446.5" << true;
  QTest::newRow("tone typed into its list") << kSet << 3 << "88.8" << true;
  QTest::newRow("list entry") << kSet << 8 << "L" << true;
  QTest::newRow("outside an editor") << kSet << 2 << "" << false;
}

void CellEditingTest::escapePutsBackTheCell() {
  QFETCH(QStringList, before);
  QFETCH(int, column);
  QFETCH(QString, typed);
  QFETCH(bool, inEditor);

  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(2, before);
  s.view->GetDocument()->SetModifiedFlag(false);
  s.grid->SetCurrentCell(2, column);
  if (inEditor) {
    EditingShell::Type(typed);
  } else {
    s.view->CommitPendingEdit();
    QCOMPARE(QApplication::focusWidget(), s.grid);
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!s.view->IsEditing());
  QCOMPARE(QApplication::focusWidget(), s.grid);
  // Leaving the cell afterwards commits nothing either.
  QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, {}, s.CellCentre(5, 1));
  QCOMPARE(s.Row(2), before);
  QVERIFY(s.shell.messages.empty());
  QVERIFY(!s.view->GetDocument()->IsModified());
  QVERIFY(s.shell.Frame()->MDIGetActive()->isVisible());
}

QTEST_MAIN(CellEditingTest)
#include "CellEditingTest.moc"
