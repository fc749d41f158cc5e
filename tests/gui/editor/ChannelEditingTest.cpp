// Editing the channel table beyond single cells, through the window's
// commands, keys and context menu: undo and redo over every kind of change,
// paste with refused cells, the channel rows with their scan bits, block
// selection and the clipboard from the keyboard, and CSV files.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>

#include "EditingShell.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "gui/editor/ChannelCommands.h"

namespace {

const QStringList kSet{"446.00625", "446.00625", "None", "None", "Wide", "Yes", "Off", "High"};
const QStringList kEmpty{"", "", "", "", "", "", "", ""};
constexpr int kRecord = 16;
constexpr int kHiddenByte = 14;  // of a channel record: no column shows it

QStringList Channel(const QString& f, const QString& scan = QStringLiteral("Yes")) {
  return {f, f, "None", "None", "Wide", scan, "Off", "High"};
}

void SetClipboard(const QString& text) { QApplication::clipboard()->setText(text); }

QAction* ContextAction(QMenu* menu, int command) {
  for (QAction* action : menu->actions())
    if (action->data().toInt() == command) return action;
  return nullptr;
}

const char* const kOwnHeader = "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\n";

}  // namespace

class ChannelEditingTest : public QObject {
  Q_OBJECT
 private slots:
  void undoAndRedoEveryKindOfChange();
  void pasteRefusesCellsInOneMessage();
  void rowCommands_data();
  void rowCommands();
  void contextMenuFromTheTable();
  void blockFromTheKeyboard();
  void openEditorKeepsItsKeys();
  void csvFiles();
};

void ChannelEditingTest::undoAndRedoEveryKindOfChange() {
  EditingShell s;
  QVERIFY(s.Start());
  CProgramDoc* doc = s.view->GetDocument();
  doc->image[kRecord * 1 + kHiddenByte] = 0x5A;
  std::vector<ChannelTable> states{s.view->Table()};

  // A committed cell, a pasted block, an imported file, a row command.
  s.grid->SetCurrentCell(1, 1);
  EditingShell::Type(QStringLiteral("446.00625"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  states.push_back(s.view->Table());
  s.grid->SetCurrentCell(2, 1);
  SetClipboard(QStringLiteral("447.5\t447.6\n448.5"));
  s.Run(Cmd::kEditPaste);
  states.push_back(s.view->Table());
  QCOMPARE(s.Row(3), Channel(QStringLiteral("448.50000")));
  s.shell.Write("plan.csv", std::string(kOwnHeader) + "1,440.00000,440.00000,None,None,Wide,No,Off,Low\n");
  s.shell.fileNames = {QString::fromStdString(s.shell.FilePath("plan.csv"))};
  s.Run(Cmd::kImportChannels);
  states.push_back(s.view->Table());
  QCOMPARE(s.Row(3), kEmpty);
  s.grid->SetCurrentCell(1, 1);
  s.Run(Cmd::kMoveChannelDown);
  states.push_back(s.view->Table());
  QCOMPARE(s.Row(2).first(), QStringLiteral("440.00000"));
  QCOMPARE(doc->image[kRecord * 2 + kHiddenByte], 0x5A);

  for (std::size_t i = states.size() - 1; i > 0; --i) {
    QVERIFY(s.Enabled(Cmd::kEditUndo));
    s.Run(Cmd::kEditUndo);
    QVERIFY(s.view->Table() == states[i - 1]);
  }
  QVERIFY(!s.Enabled(Cmd::kEditUndo));
  QCOMPARE(doc->image[kRecord * 1 + kHiddenByte], 0x5A);
  for (std::size_t i = 1; i < states.size(); ++i) {
    QVERIFY(s.Enabled(Cmd::kEditRedo));
    s.Run(Cmd::kEditRedo);
    QVERIFY(s.view->Table() == states[i]);
  }
  QVERIFY(!s.Enabled(Cmd::kEditRedo));
  QCOMPARE(doc->image[kRecord * 2 + kHiddenByte], 0x5A);
  QVERIFY(doc->IsModified());

  // A change after an undo leaves nothing to redo; a Read or an Open starts
  // a new history.
  s.Run(Cmd::kEditUndo);
  s.Run(Cmd::kClearChannel);
  QVERIFY(!s.Enabled(Cmd::kEditRedo));
  QVERIFY(s.Enabled(Cmd::kEditUndo));
  s.view->RefreshFromImage();
  QVERIFY(!s.Enabled(Cmd::kEditUndo));
  QVERIFY(!s.Enabled(Cmd::kEditRedo));
}

void ChannelEditingTest::pasteRefusesCellsInOneMessage() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(3, kSet);
  s.grid->SetCurrentCell(1, 1);
  // Every cell not taken is told, and the channel an empty receive
  // frequency cleared.
  SetClipboard(QStringLiteral("446.00625\t500\tD023N\n446.003\t446.1\n\t446.5\n446.5\t446.5\tXYZ\n447\t447.003\n"));
  s.Run(Cmd::kEditPaste);
  QCOMPARE(s.Row(1), (QStringList{"446.00625", "446.00625", "D023N", "None", "Wide", "Yes", "Off", "High"}));
  QCOMPARE(s.Row(2), kEmpty);
  QCOMPARE(s.Row(3), kEmpty);
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QCOMPARE(s.shell.messages.front().caption, QStringLiteral("Caution"));
  QCOMPARE(s.shell.messages.front().text,
           QStringLiteral("6 cells were not pasted and kept their values:\n"
                          "CH 1, Tx Frequency: 500 is outside the band\n"
                          "CH 2, Rx Frequency: 446.003 is off the step (6.25K/5K)\n"
                          "CH 2, Tx Frequency: the channel is empty: give it an Rx Frequency first\n"
                          "CH 3, Tx Frequency: the channel is empty: give it an Rx Frequency first\n"
                          "CH 4, QT/DQT Dec: unknown tone 'XYZ'\n"
                          "CH 5, Tx Frequency: 447.003 is off the step (6.25K/5K)\n"
                          "CH 3 was cleared: its Rx Frequency was emptied.\n"));
  QVERIFY(s.view->GetDocument()->IsModified());

  // One value goes into the open editor, to be committed as typed.
  s.grid->SetCurrentCell(2, 1);
  SetClipboard(QStringLiteral("447.5\n"));
  s.Run(Cmd::kEditPaste);
  QCOMPARE(s.Row(2), kEmpty);
  QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), QStringLiteral("447.5"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(s.Row(2), Channel(QStringLiteral("447.50000")));
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
}

void ChannelEditingTest::rowCommands_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QStringList>("channels");  // rows 1-4: frequency and scan

  // Channel 2 (442, not scanning) is selected; 441 and 443 scan.
  QTest::newRow("insert") << Cmd::kInsertChannel << QStringList{"441 Yes", "-", "442 No", "443 Yes"};
  QTest::newRow("delete") << Cmd::kDeleteChannel << QStringList{"441 Yes", "443 Yes", "-", "-"};
  QTest::newRow("move up") << Cmd::kMoveChannelUp << QStringList{"442 No", "441 Yes", "443 Yes", "-"};
  QTest::newRow("move down") << Cmd::kMoveChannelDown << QStringList{"441 Yes", "443 Yes", "442 No", "-"};
  QTest::newRow("clear") << Cmd::kClearChannel << QStringList{"441 Yes", "-", "443 Yes", "-"};
}

void ChannelEditingTest::rowCommands() {
  QFETCH(int, command);
  QFETCH(QStringList, channels);

  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(1, Channel(QStringLiteral("441.00000")));
  s.SetRow(2, Channel(QStringLiteral("442.00000"), QStringLiteral("No")));
  s.SetRow(3, Channel(QStringLiteral("443.00000")));
  s.grid->SetCurrentCell(2, 3);
  QMenu* menu = s.view->ChannelCommands().ContextMenu(s.view);
  QAction* action = ContextAction(menu, command);
  QVERIFY(action != nullptr && action->isEnabled());
  action->trigger();
  delete menu;

  s.view->StoreToImage();
  const RadioImage& image = s.view->GetDocument()->image;
  for (int row = 1; row <= 4; ++row) {
    const QStringList cells = s.Row(row);
    const QString shown = cells[0].isEmpty() ? QStringLiteral("-") : cells[0].left(3) + QLatin1Char(' ') + cells[5];
    QCOMPARE(shown, channels[row - 1]);
    // The scan bit in the image follows its channel (an empty one scans).
    QCOMPARE(image.ScanBit(row), cells[5] != QLatin1String("No"));
  }
  // A move takes the selection along.
  const int expectedRow = command == Cmd::kMoveChannelUp ? 1 : command == Cmd::kMoveChannelDown ? 3 : 2;
  QCOMPARE(s.grid->GetRow(), expectedRow);
}

void ChannelEditingTest::contextMenuFromTheTable() {
  EditingShell s;
  QVERIFY(s.Start());
  for (int row = 1; row <= 16; ++row) s.SetRow(row, Channel(QStringLiteral("44%1.00000").arg(row % 10)));
  s.grid->SetCurrentCell(16, 1);
  // The editor over the cell hands the request to the table.
  QWidget* editor = QApplication::focusWidget();
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), editor->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(editor, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu != nullptr);
  std::vector<int> commands;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) commands.push_back(action->data().toInt());
  QCOMPARE(commands, (std::vector<int>{Cmd::kEditUndo, Cmd::kEditRedo, Cmd::kEditCut, Cmd::kEditCopy, Cmd::kEditPaste,
                                       Cmd::kInsertChannel, Cmd::kDeleteChannel, Cmd::kMoveChannelUp,
                                       Cmd::kMoveChannelDown, Cmd::kClearChannel}));
  QVERIFY(!ContextAction(menu, Cmd::kMoveChannelDown)->isEnabled());  // channel 16
  menu->close();
  // Channel 16 in use: no room to insert.
  const ChannelTable before = s.view->Table();
  s.grid->SetCurrentCell(3, 1);
  s.Run(Cmd::kInsertChannel);
  QVERIFY(s.view->Table() == before);
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QVERIFY(s.shell.messages.front().text.startsWith(QStringLiteral("Channel 16 is in use")));
}

void ChannelEditingTest::blockFromTheKeyboard() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(1, kSet);
  s.SetRow(2, Channel(QStringLiteral("447.50000")));
  s.grid->SetCurrentCell(1, 1);
  QVERIFY(s.view->IsEditing());
  // Shift+arrows from the open editor select a block, which has no editor.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
  QCOMPARE(QPoint(s.grid->GetRowSel(), s.grid->GetColSel()), QPoint(2, 2));
  QCOMPARE(QPoint(s.grid->GetRow(), s.grid->GetCol()), QPoint(1, 1));
  QVERIFY(!s.view->IsEditing());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("446.00625\t446.00625\n447.50000\t447.50000"));

  // Elsewhere, into the open editor of an empty row: the block goes into
  // the table, and Ctrl+Z takes it back.
  s.grid->SetCurrentCell(5, 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(s.Row(5), kSet);
  QCOMPARE(s.Row(6), Channel(QStringLiteral("447.50000")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(s.Row(5), kEmpty);
  QCOMPARE(s.Row(6), kEmpty);

  // Cut of whole rows picked by their numbers clears them.
  QHeaderView* numbers = s.grid->verticalHeader();
  QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, QPoint(4, numbers->sectionViewportPosition(1) + 4));
  QCOMPARE(QPoint(s.grid->GetRowSel(), s.grid->GetColSel()), QPoint(2, 8));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(s.Row(2), kEmpty);
  QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("447.50000\t447.50000\tNone")));
  QVERIFY(s.shell.messages.empty());
}

void ChannelEditingTest::openEditorKeepsItsKeys() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(1, kSet);
  s.grid->SetCurrentCell(1, 1);
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  QVERIFY(edit != nullptr);
  EditingShell::Type(QStringLiteral("447"));
  // Shift+Left selects typed characters, Ctrl+Z undoes the typing first.
  QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
  QVERIFY(!s.grid->HasBlockSelection());
  QCOMPARE(edit->selectedText(), QStringLiteral("7"));
  QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("7"));
  while (edit->isUndoAvailable()) QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(edit->text(), QStringLiteral("446.00625"));
  QCOMPARE(s.Row(1), kSet);
  // With no typing left to undo, Ctrl+Z undoes the last change to the table.
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(s.Row(1), kEmpty);
}

void ChannelEditingTest::csvFiles() {
  EditingShell s;
  QVERIFY(s.Start());
  s.SetRow(1, kSet);
  const QString ours = QString::fromStdString(s.shell.FilePath("ours"));
  const QString chirp = QString::fromStdString(s.shell.FilePath("chirp.csv"));
  s.shell.fileNames = {ours, chirp};
  s.Run(Cmd::kExportChannels);
  s.shell.filterChoice = 1;
  s.Run(Cmd::kExportChannels);
  QVERIFY(s.shell.Read("ours.csv").rfind("CH,Rx Frequency,Tx Frequency,", 0) == 0);
  QVERIFY(s.shell.Read("chirp.csv").rfind("Location,Name,Frequency,", 0) == 0);
  s.shell.fileNames = {QString::fromStdString(s.shell.FilePath("no-such-folder/x.csv"))};
  s.Run(Cmd::kExportChannels);
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QVERIFY(s.shell.messages.front().text.startsWith(QStringLiteral("Cannot write the file ")));
  s.shell.messages.clear();

  // A file that cannot be read, or whose every line is refused, changes
  // nothing; each import ends in one message.
  s.shell.Write("refused.csv", std::string(kOwnHeader) + "1,500.00000,500.00000,None,None,Wide,Yes,Off,High\n");
  const ChannelTable before = s.view->Table();
  s.shell.fileNames = {QString::fromStdString(s.shell.FilePath("missing.csv")),
                       QString::fromStdString(s.shell.FilePath("refused.csv"))};
  s.Run(Cmd::kImportChannels);
  s.Run(Cmd::kImportChannels);
  QVERIFY(s.view->Table() == before);
  QCOMPARE(s.shell.messages.size(), std::size_t{2});
  QVERIFY(s.shell.messages[0].text.contains(QStringLiteral("The file cannot be read")));
  QCOMPARE(s.shell.messages[1].text, QStringLiteral("0 channels imported.\n1 line refused:\n"
                                                    "Line 2: 500.00000 is outside the band"));
}

QTEST_MAIN(ChannelEditingTest)
#include "ChannelEditingTest.moc"
