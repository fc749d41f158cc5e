// Read and Write through the window's own commands against the simulated
// radio: what the table and the radio hold afterwards, the one message of
// each failure, Cancel before and during a transfer, a window that keeps
// painting while a silent radio is asked, and what is refused meanwhile.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "RadioWindow.h"
#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/link/SerialPort.h"
#include "core/link/SimHarness.h"
#include "core/radio/ChannelTable.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/TransferRules.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/app/RecentFiles.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/TransferRunner.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/LineAsFound.h"
#include "support/ShellFixture.h"

namespace {

constexpr int kRxEditor = 2127;

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT
 private slots:
  void readFillsTheTable_data();
  void readFillsTheTable();
  void writeSendsWhatTheTableShows_data();
  void writeSendsWhatTheTableShows();
  void cancelBeforeOkOpensNoPort_data();
  void cancelBeforeOkOpensNoPort();
  void cancelDuringTransfer_data();
  void cancelDuringTransfer();
  void failureGivesOneMessage_data();
  void failureGivesOneMessage();
  void refusedWhileTransferring();
  void oneTransferAtATime();
  void readIsOneUndoStep_data();
  void readIsOneUndoStep();
  void writeAsksAboutChannelsOutsideTheBand_data();
  void writeAsksAboutChannelsOutsideTheBand();
};

void TransferTest::readFillsTheTable_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("hidden");  // the channel window closed first
  QTest::newRow("English") << "English"
                           << "Read Data" << false;
  QTest::newRow("Chinese") << "Chinese"
                           << "读数据" << false;
  QTest::newRow("hidden window comes back") << "English"
                                            << "Read Data" << true;
}

void TransferTest::readFillsTheTable() {
  QFETCH(QString, language);
  QFETCH(QString, caption);
  QFETCH(bool, hidden);
  RadioWindow window(language.toStdString());
  QVERIFY(window.Start());
  QVERIFY(g_bNewDocument);
  CChildFrame* child = window.Frame()->MDIGetActive();
  if (hidden) window.Frame()->OnCommand(Cmd::kFileClose);
  QCOMPARE(child->isHidden(), hidden);
  const RadioImage before = window.Doc()->image;

  window.Frame()->OnCommand(Cmd::kRead);
  CProgressDlg* progress = window.Progress();
  QVERIFY(progress != nullptr);
  QCOMPARE(progress->windowTitle(), caption);
  QCOMPARE(progress->Percent()->text(), QStringLiteral("0"));
  QVERIFY(progress->OkButton()->isDefault());
  QTRY_COMPARE(QApplication::focusWidget(), progress->OkButton());
  QTest::keyClick(progress->OkButton(), Qt::Key_Return);
  QVERIFY(window.WaitForEnd());

  QCOMPARE(window.Messages(), QStringList());
  const Language texts = language == "Chinese" ? Language::Chinese : Language::English;
  QCOMPARE(window.Frame()->statusBar()->currentMessage(), texts == Language::Chinese ? "读取完成" : "Read complete");
  QVERIFY(window.Table() == TableFromImage(window.sim.sim().Memory(), texts));
  // The radio's bytes, and the document's own beyond what a Read moves.
  RadioImage expected = before;
  CopyRanges(MainTransferRanges(Direction::Read, false), window.sim.sim().Memory(), expected);
  QVERIFY(window.Doc()->image == expected);
  QVERIFY(!g_bNewDocument);
  QVERIFY(!child->isHidden());
  QCOMPARE(window.Frame()->MDIGetActive(), child);
}

void TransferTest::writeSendsWhatTheTableShows_data() {
  QTest::addColumn<QString>("typed");  // into channel 3's empty receive cell, not committed
  QTest::addColumn<QString>("rx");     // what the radio then holds for it
  QTest::addColumn<QStringList>("messages");
  QTest::newRow("accepted edit") << "150"
                                 << "150.00000" << QStringList();
  QTest::newRow("refused edit") << "999"
                                << "" << QStringList{"Out of range,please input again."};
}

void TransferTest::writeSendsWhatTheTableShows() {
  QFETCH(QString, typed);
  QFETCH(QString, rx);
  QFETCH(QStringList, messages);
  RadioWindow window;
  QVERIFY(window.Start());
  QCOMPARE(window.Table()[2][kColRxFrequency], std::string());
  window.View()->Grid()->SetCurrentCell(3, kColRxFrequency);
  auto* editor = qobject_cast<QLineEdit*>(window.View()->Editor(kRxEditor));
  QVERIFY(editor != nullptr && editor->isVisible());
  editor->setText(typed);

  // Ctrl+W from the cell editor is Write, not the channel window's close.
  QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
  QVERIFY(window.Progress() != nullptr);
  QCOMPARE(window.Progress()->windowTitle(), QStringLiteral("Write Data"));
  QVERIFY(!window.Frame()->MDIGetActive()->isHidden());
  QTest::keyClick(window.Progress(), Qt::Key_Return);
  QVERIFY(window.WaitForEnd());

  QCOMPARE(window.Messages(), messages);
  QCOMPARE(window.Frame()->statusBar()->currentMessage(), QStringLiteral("Write complete"));
  const RadioImage memory = window.sim.sim().Memory();
  QCOMPARE(QString::fromStdString(TableFromImage(memory, Language::English)[2][kColRxFrequency]), rx);
  QVERIFY(TableFromImage(memory, Language::English) == window.Table());
  RadioImage written = PatternImage(1);
  CopyRanges(MainTransferRanges(Direction::Write, false), window.Doc()->image, written);
  QVERIFY(memory == written);
}

void TransferTest::cancelBeforeOkOpensNoPort_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("how");  // the Cancel button, Escape, or File New removing the channel window
  QTest::newRow("Read, Cancel") << Cmd::kRead << "Cancel";
  QTest::newRow("Write, Escape") << Cmd::kWrite << "Escape";
  QTest::newRow("Read, File New") << Cmd::kRead << "New";
}

void TransferTest::cancelBeforeOkOpensNoPort() {
  QFETCH(int, command);
  QFETCH(QString, how);
  RadioWindow window;
  QVERIFY(window.Start());
  const RadioImage before = window.Doc()->image;
  window.Frame()->OnCommand(command);
  CProgressDlg* progress = window.Progress();
  QVERIFY(progress != nullptr);
  if (how == "Escape") {
    QTest::keyClick(progress, Qt::Key_Escape);
  } else if (how == "Cancel") {
    progress->CancelButton()->click();
  } else {
    window.Frame()->OnCommand(Cmd::kFileNew);
    QCOMPARE(window.shell.messages.size(), std::size_t{1});  // "the data will be cleared"
    window.shell.messages.clear();
  }
  QVERIFY(window.WaitForEnd());
  QTest::qWait(50);
  QVERIFY(window.sim.FromPc().empty());
  QCOMPARE(window.Messages(), QStringList());
  QVERIFY(window.Doc()->image == before);
}

void TransferTest::cancelDuringTransfer_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<bool>("ending");      // the program is told to end (SIGTERM) instead of Cancel
  QTest::addColumn<QString>("message");  // the start of the one message; empty: none
  QTest::newRow("Read keeps the table") << Cmd::kRead << false << "";
  QTest::newRow("Write says the radio is partly written")
      << Cmd::kWrite << false << "The radio now holds a partly written memory (";
  QTest::newRow("a Write stops when the program ends") << Cmd::kWrite << true << "";
}

void TransferTest::cancelDuringTransfer() {
  QFETCH(int, command);
  QFETCH(bool, ending);
  QFETCH(QString, message);
  SimOptions paced;
  paced.baud = 9600;
  RadioWindow window("English", paced);
  QVERIFY(window.Start());
  const CLineAsFound line(window.sim.device());
  const ChannelTable table = window.Table();
  const RadioImage before = window.Doc()->image;
  window.Frame()->OnCommand(command);
  CProgressDlg* progress = window.Progress();
  progress->OkButton()->click();
  QTRY_VERIFY(progress->Percent()->text() != QStringLiteral("0"));
  if (ending)
    CTransferRunner::StopAll();
  else
    progress->CancelButton()->click();
  QVERIFY(ending ? !CTransferRunner::AnyRunning() : window.WaitForEnd());
  QVERIFY2(line.Unchanged(), "the port's line was not given back");
  const SimStats stats = window.sim.sim().Stats();
  QVERIFY(command == Cmd::kRead ? stats.blocksRead < 64 : stats.blocksWritten < 60);
  if (ending) return;
  const QStringList messages = window.Messages();
  QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
  if (!message.isEmpty()) QVERIFY2(messages.front().startsWith(message), qPrintable(messages.front()));
  QVERIFY(window.Table() == table);
  if (command == Cmd::kRead) QVERIFY(window.Doc()->image == before);
  QVERIFY(g_bNewDocument);
}

void TransferTest::failureGivesOneMessage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("fault");  // "held": another program has the port
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("message");
  // The cause under the port's message, as programcli names it.
  const QString portMessage =
      "Could not Open the Port,Please check whether the Port are occupied or the device are ok"
      "\n{device}: busy: another program has it open";
  QTest::newRow("silent radio, Read") << "English"
                                      << "silent" << Cmd::kRead << "Communication Error";
  QTest::newRow("silent radio, Write, Chinese") << "Chinese"
                                                << "silent" << Cmd::kWrite << "通信出错";
  QTest::newRow("refused block") << "English"
                                 << "refuse-block:7" << Cmd::kWrite
                                 << "Communication Error\nThe radio now holds a partly written memory "
                                    "(6 of 60 blocks confirmed): Write again to send the whole memory";
  QTest::newRow("held port, Read") << "English"
                                   << "held" << Cmd::kRead << portMessage;
  QTest::newRow("held port, Write") << "English"
                                    << "held" << Cmd::kWrite << portMessage;
  QTest::newRow("held port, Chinese") << "Chinese"
                                      << "held" << Cmd::kRead
                                      << "无法打开串口，请检查串口是否被占用或设备是否正常\n{device}："
                                         "被占用：另一个程序正在使用它";
}

void TransferTest::failureGivesOneMessage() {
  QFETCH(QString, language);
  QFETCH(QString, fault);
  QFETCH(int, command);
  QFETCH(QString, message);
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (fault != "held") QVERIFY(ApplyFault(fault.toStdString(), options.faults, error));
  RadioWindow window(language.toStdString(), options);
  QVERIFY(window.Start());
  CSerialPort holder;
  if (fault == "held") QCOMPARE(holder.OpenExclusive(window.sim.device()), 0);
  const ChannelTable table = window.Table();
  const RadioImage before = window.Doc()->image;

  // The window keeps painting while the link waits for the radio.
  PaintCounter counter;
  window.View()->installEventFilter(&counter);
  window.Frame()->OnCommand(command);
  window.Progress()->OkButton()->click();
  int paintedWhileRunning = 0;
  while (CTransferRunner::AnyRunning()) {
    const int paints = counter.paints;
    window.View()->update();
    QTest::qWait(20);
    if (CTransferRunner::AnyRunning() && counter.paints > paints) ++paintedWhileRunning;
  }
  QVERIFY(window.WaitForEnd());
  if (fault == "silent") QVERIFY2(paintedWhileRunning >= 3, qPrintable(QString::number(paintedWhileRunning)));

  QCOMPARE(window.Messages(),
           QStringList{QString(message).replace("{device}", QString::fromStdString(window.sim.device()))});
  if (fault == "held") QVERIFY(window.sim.FromPc().empty());
  QVERIFY(window.Table() == table);
  if (command == Cmd::kRead) QVERIFY(window.Doc()->image == before);
}

void TransferTest::refusedWhileTransferring() {
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  RadioWindow window("English", options);
  QVERIFY(window.Start());
  CMainFrame* frame = window.Frame();
  CChildFrame* child = frame->MDIGetActive();
  window.shell.answer = QMessageBox::Ok;
  window.shell.fileNames = {QString::fromStdString(window.shell.FilePath("any.dat"))};
  window.shell.Write("recent.dat", DataFileBytes(RadioImage()));
  const QString recent = QString::fromStdString(window.shell.FilePath("recent.dat"));
  NoteRecentFile(recent.toStdString());
  g_bServiceMode = true;  // the service dialogs are on the menu, and refused too
  frame->OnCommand(Cmd::kRead);
  window.Progress()->OkButton()->click();
  QVERIFY(CTransferRunner::AnyRunning());

  // The progress window blocks nothing: the main window and what only looks
  // at the document stay usable.
  QVERIFY(!window.Progress()->isModal());
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  for (int command : {Cmd::kEditCopy, Cmd::kExportChannels, Cmd::kFilePrint, Cmd::kFileCompare, Cmd::kComSetup,
                      Cmd::kChannelInformation, Cmd::kHelp})
    QVERIFY2(frame->IsCommandEnabled(command), qPrintable(QString::number(command)));
  window.View()->Grid()->SetCurrentCell(2, kColTxFrequency);
  window.View()->Grid()->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QCOMPARE(window.View()->Grid()->GetRow(), 3);
  // ... but no cell opens its editor, and the status bar says why.
  QVERIFY(!window.View()->IsEditing());
  QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(Language::English)));
  // The table's own menu asks the same rule.
  std::unique_ptr<QMenu> context(window.View()->ChannelCommands().ContextMenu(window.View()));
  for (QAction* action : context->actions())
    if (!action->isSeparator()) QCOMPARE(action->isEnabled(), action->data().toInt() == Cmd::kEditCopy);

  const int refused[] = {Cmd::kFileNew,
                         Cmd::kFileOpen,
                         Cmd::kFileOpenBackup,
                         Cmd::kFileClose,
                         Cmd::kAppExit,
                         Cmd::kLanguage,
                         Cmd::kRead,
                         Cmd::kWrite,
                         Cmd::kFileMru1,
                         Cmd::kFileSave,
                         Cmd::kFileSaveAs,
                         Cmd::kEditUndo,
                         Cmd::kEditPaste,
                         Cmd::kEditCut,
                         Cmd::kClearChannel,
                         Cmd::kImportChannels,
                         Cmd::kProductInformation,
                         Cmd::kOptionalFeatures,
                         Cmd::kPowerAdjust,
                         Cmd::kParamAdjust};
  for (int command : refused) {
    frame->statusBar()->clearMessage();
    QVERIFY2(!frame->IsCommandEnabled(command), qPrintable(QString::number(command)));
    frame->OnCommand(command);
    QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(Language::English)));
  }
  frame->statusBar()->clearMessage();
  QVERIFY(DropFile(frame, recent));
  QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(Language::English)));
  QVERIFY(!frame->close());
  QVERIFY(frame->isVisible());
  QCOMPARE(frame->MDIGetActive(), child);
  QVERIFY(!child->isHidden());
  QCOMPARE(window.shell.modalCount, 0);
  QCOMPARE(window.shell.proposedNames.size(), std::size_t{0});
  QCOMPARE(frame->findChildren<CProgressDlg*>().size(), 1);
  QVERIFY(CTransferRunner::AnyRunning());

  QVERIFY(window.WaitForEnd());
  QCOMPARE(window.Messages(), QStringList{"Communication Error"});
  for (int command : refused)
    if (command != Cmd::kEditUndo && command != Cmd::kEditPaste)  // nothing to undo, nothing to paste
      QVERIFY2(frame->IsCommandEnabled(command), qPrintable(QString::number(command)));
}

// A progress window left open over another document: its OK starts
// nothing while a transfer runs, as Read and Write do not.
void TransferTest::oneTransferAtATime() {
  SimOptions options = CSimHarness::Fast();
  options.faults.silent = true;
  RadioWindow window("English", options);
  QVERIFY(window.Start());
  CMainFrame* frame = window.Frame();
  frame->OnCommand(Cmd::kRead);
  CProgressDlg* first = window.Progress();
  QVERIFY(first != nullptr);
  window.shell.Write("other.dat", DataFileBytes(PatternImage(3)));
  window.shell.fileNames = {QString::fromStdString(window.shell.FilePath("other.dat"))};
  frame->OnCommand(Cmd::kFileOpen);
  frame->OnCommand(Cmd::kRead);
  CProgressDlg* second = nullptr;
  for (CProgressDlg* dialog : frame->findChildren<CProgressDlg*>())
    if (dialog != first && dialog->isVisible()) second = dialog;
  QVERIFY(second != nullptr);
  QVERIFY(first->isVisible());
  second->OkButton()->click();
  QVERIFY(CTransferRunner::AnyRunning());
  frame->statusBar()->clearMessage();
  first->OkButton()->click();
  QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(Language::English)));
  QVERIFY(first->OkButton()->isEnabled());
  // Only the running transfer's own end is told.
  QTRY_VERIFY_WITH_TIMEOUT(!CTransferRunner::AnyRunning(), 10000);
  QCOMPARE(window.Messages(), QStringList{"Communication Error"});
  first->reject();
}

void TransferTest::readIsOneUndoStep_data() {
  QTest::addColumn<bool>("edited");  // channel 1 changed in the table and not saved
  QTest::newRow("unsaved edit") << true;
  QTest::newRow("saved document") << false;
}

void TransferTest::readIsOneUndoStep() {
  QFETCH(bool, edited);
  RadioWindow window;
  QVERIFY(window.Start());
  CProgramDoc* doc = window.Doc();
  if (edited) {
    ChannelTable table = window.Table();
    table[0] = ChannelRow{" 1", "150.00000", "150.00000", "None", "None", "Wide", "Yes", "Off", "High"};
    window.View()->SetTable(table);
  } else {
    doc->SetModifiedFlag(false);
  }
  QCOMPARE(doc->IsModified(), edited);
  const ChannelTable tableBefore = window.Table();
  const RadioImage imageBefore = doc->image;
  const QString captionBefore = window.Frame()->windowTitle();

  QVERIFY(window.Transfer(Cmd::kRead));
  QCOMPARE(doc->IsModified(), edited);
  QVERIFY(window.Table() == TableFromImage(window.sim.sim().Memory(), Language::English));
  const RadioImage read = doc->image;
  QVERIFY(window.Frame()->windowTitle() != captionBefore);
  // An option changed after the Read is no step of its own: Undo keeps it.
  constexpr std::size_t kSquelch = ImageMap::kSquelchLevel;
  doc->image[kSquelch] = static_cast<std::uint8_t>(read[kSquelch] ^ 0x01);
  RadioImage expected = imageBefore;
  expected[kSquelch] = doc->image[kSquelch];

  QVERIFY(window.Frame()->IsCommandEnabled(Cmd::kEditUndo));
  window.Frame()->OnCommand(Cmd::kEditUndo);
  QVERIFY(window.Table() == tableBefore);
  QVERIFY(doc->image == expected);
  QCOMPARE(window.Frame()->windowTitle(), captionBefore);
  QVERIFY(doc->IsModified());
  window.Frame()->OnCommand(Cmd::kEditRedo);
  QVERIFY(window.Table() == TableFromImage(read, Language::English));
  expected = read;
  expected[kSquelch] = doc->image[kSquelch];
  QVERIFY(doc->image == expected);
}

void TransferTest::writeAsksAboutChannelsOutsideTheBand_data() {
  QTest::addColumn<QStringList>("rx");  // channels 1-3's receive and transmit frequency
  QTest::addColumn<QString>("question");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("sent");
  const QString outside =
      "These channels lie outside the band 136-174MHz:\n2, 3\n"
      "Write them to the radio all the same?";
  QTest::newRow("all in band") << QStringList{"136.00000", "175.00000", ""} << "" << int(QMessageBox::No) << true;
  QTest::newRow("outside, Yes") << QStringList{"150.00000", "446.00000", "135.00000"} << outside
                                << int(QMessageBox::Yes) << true;
  QTest::newRow("outside, No") << QStringList{"150.00000", "446.00000", "135.00000"} << outside << int(QMessageBox::No)
                               << false;
}

void TransferTest::writeAsksAboutChannelsOutsideTheBand() {
  QFETCH(QStringList, rx);
  QFETCH(QString, question);
  QFETCH(int, answer);
  QFETCH(bool, sent);
  RadioWindow window;
  QVERIFY(window.Start());
  // As a file opened or a band changed leaves them: the cell rules never saw them.
  ChannelTable table = window.Table();
  for (int n = 0; n < rx.size(); ++n)
    if (!rx[n].isEmpty())
      table[std::size_t(n)] =
          ChannelRow{"", rx[n].toStdString(), rx[n].toStdString(), "None", "None", "Wide", "Yes", "Off", "High"};
  window.View()->SetTable(table);
  window.shell.answer = static_cast<QMessageBox::StandardButton>(answer);

  QVERIFY(window.Transfer(Cmd::kWrite));
  QCOMPARE(window.Messages(), question.isEmpty() ? QStringList() : QStringList{question});
  if (!question.isEmpty()) QCOMPARE(window.shell.messages.front().buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(window.sim.sim().Stats().blocksWritten, sent ? 60 : 0);
  QCOMPARE(window.sim.FromPc().empty(), !sent);
}

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
