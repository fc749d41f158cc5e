// File New replaces the open document only after the warning; the channel
// window hides on close and comes back.
#include <QMdiArea>
#include <QPointer>
#include <QTest>

#include "ShellFixture.h"
#include "app/AppGlobals.h"
#include "app/BackgroundClient.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/ResourceIds.h"
#include "radio/ProgramDoc.h"

class FileNewTest : public QObject {
  Q_OBJECT
 private slots:
  void fileNew_data();
  void fileNew();
  void hiddenWindowStillCounts();
  void channelWindowHidesAndReturns_data();
  void channelWindowHidesAndReturns();
};

void FileNewTest::fileNew_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("caption");

  QTest::newRow("Cancel") << "English" << int(QMessageBox::Cancel) << "All data will be Cleared!"
                          << "Quillmoor Radio Works";
  QTest::newRow("OK") << "English" << int(QMessageBox::Ok) << "All data will be Cleared!" << "Quillmoor Radio Works";
  QTest::newRow("OK in Chinese") << "Chinese" << int(QMessageBox::Ok) << "所有数据将被清除！" << "奎尔摩无线电";
}

void FileNewTest::fileNew() {
  QFETCH(QString, language);
  QFETCH(int, answer);
  QFETCH(QString, text);
  QFETCH(QString, caption);

  ShellFixture shell(MakeProfile(language.toStdString()));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QPointer<CChildFrame> old = frame->MDIGetActive();
  QVERIFY(old != nullptr);
  old->Document()->image[0x20] = 0x42;
  g_bNewDocument = false;

  shell.answer = static_cast<QMessageBox::StandardButton>(answer);
  frame->OnCommand(Cmd::kFileNew);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QCOMPARE(shell.messages.front().text, text);
  QCOMPARE(shell.messages.front().caption, caption);
  QCOMPARE(shell.messages.front().buttons, QMessageBox::Ok | QMessageBox::Cancel);

  QCOMPARE(frame->Client()->subWindowList().size(), 1);
  if (answer == QMessageBox::Cancel) {
    QVERIFY(old != nullptr);
    QCOMPARE(frame->MDIGetActive(), old.data());
    QCOMPARE(old->Document()->image[0x20], std::uint8_t{0x42});
    QVERIFY(!g_bNewDocument);
  } else {
    QVERIFY(old == nullptr);
    CChildFrame* fresh = frame->MDIGetActive();
    QVERIFY(fresh != nullptr);
    QCOMPARE(fresh->Document()->image[0x20], std::uint8_t{0xFF});
    QVERIFY(g_bNewDocument);
  }
}

void FileNewTest::hiddenWindowStillCounts() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QPointer<CChildFrame> old = frame->MDIGetActive();
  frame->OnCommand(Cmd::kFileClose);
  QVERIFY(old != nullptr && old->isHidden());
  shell.answer = QMessageBox::Ok;
  frame->OnCommand(Cmd::kFileNew);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QVERIFY(old == nullptr);
  QCOMPARE(frame->Client()->subWindowList().size(), 1);
}

void FileNewTest::channelWindowHidesAndReturns_data() {
  QTest::addColumn<bool>("byCloseBox");
  QTest::newRow("closed by its close box") << true;
  QTest::newRow("closed by File Close") << false;
}

void FileNewTest::channelWindowHidesAndReturns() {
  QFETCH(bool, byCloseBox);
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  CChildFrame* child = frame->MDIGetActive();
  child->Document()->image[0x30] = 0x11;
  if (byCloseBox)
    QVERIFY(!child->close());
  else
    frame->OnCommand(Cmd::kFileClose);
  QVERIFY(child->isHidden());
  QCOMPARE(frame->Client()->subWindowList().size(), 1);

  frame->OnCommand(Cmd::kChannelInformation);
  QVERIFY(!child->isHidden());
  QCOMPARE(frame->MDIGetActive(), child);
  QCOMPARE(child->Document()->image[0x30], std::uint8_t{0x11});
}

QTEST_MAIN(FileNewTest)
#include "FileNewTest.moc"
