// Read and Write through the window's own commands against the simulated
// radio: what the table and the radio hold afterwards, the one message of
// each failure, Cancel before and during a transfer, a window that keeps
// painting while a silent radio is asked, and what is refused meanwhile.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "RadioWindow.h"
#include "ShellFixture.h"
#include "app/AppGlobals.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/RecentFiles.h"
#include "app/ResourceIds.h"
#include "editor/MSFlexGrid.h"
#include "editor/ProgramView.h"
#include "editor/ProgressDlg.h"
#include "editor/TransferRules.h"
#include "editor/TransferRunner.h"
#include "link/SerialPort.h"
#include "link/SimHarness.h"
#include "radio/ChannelTable.h"
#include "radio/DataFile.h"
#include "radio/ProgramDoc.h"

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
  void cancelDuringReadKeepsTheTable();
  void failureGivesOneMessage_data();
  void failureGivesOneMessage();
  void refusedWhileTransferring();
};

void TransferTest::readFillsTheTable_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("hidden");  // the channel window closed first
  QTest::newRow("English") << "English" << "Read Data" << false;
  QTest::newRow("Chinese") << "Chinese" << "读数据" << false;
  QTest::newRow("hidden window comes back") << "English" << "Read Data" << true;
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
  const bool chinese = language == "Chinese";
  QVERIFY(window.Table() == TableFromImage(window.sim.sim().Memory(), chinese));
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
  QTest::newRow("accepted edit") << "150" << "150.00000" << QStringList();
  QTest::newRow("refused edit") << "999" << "" << QStringList{"Out of range,please input again."};
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
  const RadioImage memory = window.sim.sim().Memory();
  QCOMPARE(QString::fromStdString(TableFromImage(memory, false)[2][kColRxFrequency]), rx);
  QVERIFY(TableFromImage(memory, false) == window.Table());
  RadioImage written = PatternImage(1);
  CopyRanges(MainTransferRanges(Direction::Write, false), window.Doc()->image, written);
  QVERIFY(memory == written);
}

void TransferTest::cancelBeforeOkOpensNoPort_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<bool>("escape");  // Escape instead of the Cancel button
  QTest::newRow("Read, Cancel") << Cmd::kRead << false;
  QTest::newRow("Write, Escape") << Cmd::kWrite << true;
}

void TransferTest::cancelBeforeOkOpensNoPort() {
  QFETCH(int, command);
  QFETCH(bool, escape);
  RadioWindow window;
  QVERIFY(window.Start());
  const RadioImage before = window.Doc()->image;
  window.Frame()->OnCommand(command);
  CProgressDlg* progress = window.Progress();
  QVERIFY(progress != nullptr);
  if (escape)
    QTest::keyClick(progress, Qt::Key_Escape);
  else
    progress->CancelButton()->click();
  QVERIFY(window.WaitForEnd());
  QTest::qWait(50);
  QVERIFY(window.sim.FromPc().empty());
  QCOMPARE(window.Messages(), QStringList());
  QVERIFY(window.Doc()->image == before);
}

void TransferTest::cancelDuringReadKeepsTheTable() {
  SimOptions paced;
  paced.baud = 9600;
  RadioWindow window("English", paced);
  QVERIFY(window.Start());
  const ChannelTable table = window.Table();
  const RadioImage before = window.Doc()->image;
  window.Frame()->OnCommand(Cmd::kRead);
  CProgressDlg* progress = window.Progress();
  progress->OkButton()->click();
  QTRY_VERIFY(progress->Percent()->text() != QStringLiteral("0"));
  progress->CancelButton()->click();
  QVERIFY(window.WaitForEnd());
  QVERIFY(window.sim.sim().Stats().blocksRead < 64);
  QCOMPARE(window.Messages(), QStringList());
  QVERIFY(window.Table() == table);
  QVERIFY(window.Doc()->image == before);
  QVERIFY(g_bNewDocument);
}

void TransferTest::failureGivesOneMessage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("fault");  // "held": another program has the port
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("message");
  const QString portMessage =
      "Could not Open the Port,Please check whether the Port are occupied or the device are ok";
  QTest::newRow("silent radio, Read") << "English" << "silent" << Cmd::kRead << "Communication Error";
  QTest::newRow("silent radio, Write, Chinese") << "Chinese" << "silent" << Cmd::kWrite << "通信出错";
  QTest::newRow("refused block") << "English" << "refuse-block:7" << Cmd::kWrite << "Communication Error";
  QTest::newRow("held port, Read") << "English" << "held" << Cmd::kRead << portMessage;
  QTest::newRow("held port, Write") << "English" << "held" << Cmd::kWrite << portMessage;
}

void TransferTest::failureGivesOneMessage() {
  QFETCH(QString, language);
  QFETCH(QString, fault);
  QFETCH(int, command);
  QFETCH(QString, message);
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (fault != "held") QVERIFY(ApplyFaultSpec(fault.toStdString(), options.faults, error));
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

  QCOMPARE(window.Messages(), QStringList{message});
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
  NoteRecentFile(recent);
  frame->OnCommand(Cmd::kRead);
  window.Progress()->OkButton()->click();
  QVERIFY(CTransferRunner::AnyRunning());

  const int refused[] = {Cmd::kFileNew, Cmd::kFileOpen, Cmd::kFileOpenBackup, Cmd::kFileClose, Cmd::kAppExit,
                         Cmd::kLanguage, Cmd::kRead,     Cmd::kWrite,           Cmd::kFileMru1};
  for (int command : refused) {
    frame->statusBar()->clearMessage();
    QVERIFY(!frame->IsCommandEnabled(command));
    frame->OnCommand(command);
    QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(false)));
  }
  frame->statusBar()->clearMessage();
  QVERIFY(DropFile(frame, recent));
  QCOMPARE(frame->statusBar()->currentMessage(), QString::fromUtf8(TransferBusyNote(false)));
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
  for (int command : refused) QVERIFY(frame->IsCommandEnabled(command));
}

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
