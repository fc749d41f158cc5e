// File New replaces the open document only after the warning; the channel
// window hides on close and comes back.
#include <QMdiArea>
#include <QPointer>
#include <QTest>

#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/shell/AppGlobals.h"
#include "support/ShellFixture.h"

class FileNewTest : public QObject {
  Q_OBJECT
 private slots:
  void fileNew_data();
  void fileNew();
  void hiddenWindowStillCounts();
  void channelWindowHidesAndReturns_data();
  void channelWindowHidesAndReturns();
  void openFile_data();
  void openFile();
  void saveAs_data();
  void saveAs();
  void saveAgainWritesWithoutAsking();
};

void FileNewTest::fileNew_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("caption");

  QTest::newRow("Cancel") << "English" << int(QMessageBox::Cancel) << "All data will be Cleared!"
                          << "Quillmoor Radio Works";
  QTest::newRow("OK") << "English" << int(QMessageBox::Ok) << "All data will be Cleared!"
                      << "Quillmoor Radio Works";
  QTest::newRow("OK in Chinese") << "Chinese" << int(QMessageBox::Ok) << "所有数据将被清除！"
                                 << "奎尔摩无线电";
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

void FileNewTest::openFile_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("chosen");
  QTest::addColumn<bool>("opened");
  QTest::addColumn<QString>("message");

  RadioImage image;
  image[0x161] = 0x05;
  const std::string good = DataFileBytes(image);
  std::string bad = good;
  bad[3] = 0x34;
  std::string junkHeader = good;
  junkHeader[7] = 0x55;  // bytes 4-15 are not looked at
  QTest::newRow("data file") << QByteArray::fromStdString(good) << true << true << "";
  QTest::newRow("header bytes not zero") << QByteArray::fromStdString(junkHeader) << true << true << "";
  QTest::newRow("longer file") << QByteArray::fromStdString(good + std::string(960, 'x')) << true << false
                               << "the file is longer than a data file (1040 bytes)";
  QTest::newRow("wrong signature") << QByteArray::fromStdString(bad) << true << false << "Data Format Error";
  QTest::newRow("short file") << QByteArray::fromStdString(good.substr(0, 1039)) << true << false << "";
  QTest::newRow("dialog cancelled") << QByteArray::fromStdString(good) << false << false << "";
}

void FileNewTest::openFile() {
  QFETCH(QByteArray, bytes);
  QFETCH(bool, chosen);
  QFETCH(bool, opened);
  QFETCH(QString, message);

  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  CChildFrame* before = frame->MDIGetActive();
  shell.Write("radio.dat", bytes.toStdString());
  if (chosen) shell.fileNames.push_back(QString::fromStdString(shell.FilePath("radio.dat")));
  frame->OnCommand(Cmd::kFileOpen);

  QCOMPARE(shell.messages.empty(), message.isEmpty());
  if (!message.isEmpty()) QVERIFY2(shell.messages.front().text.endsWith(message), qPrintable(shell.messages.front().text));
  QCOMPARE(frame->Client()->subWindowList().size(), opened ? 2 : 1);
  QCOMPARE(before->isHidden(), opened);
  QCOMPARE(g_bNewDocument, !opened);
  if (!opened) {
    QCOMPARE(frame->MDIGetActive(), before);
    return;
  }
  CChildFrame* after = frame->MDIGetActive();
  QVERIFY(after != before);
  QCOMPARE(after->windowTitle(), QStringLiteral("radio.dat[*]"));
  QCOMPARE(after->Document()->image[0x161], std::uint8_t{0x05});
}

void FileNewTest::saveAs_data() {
  QTest::addColumn<QString>("name");  // relative to the test folder; empty: cancelled
  QTest::addColumn<QString>("written");
  QTest::addColumn<bool>("failed");

  QTest::newRow("extension added") << "saved"
                                   << "saved.dat" << false;
  QTest::newRow("extension kept") << "other.bin"
                                  << "other.bin" << false;
  QTest::newRow("cancelled") << ""
                             << "" << false;
  QTest::newRow("missing folder") << "nowhere/saved.dat"
                                  << "" << true;
}

void FileNewTest::saveAs() {
  QFETCH(QString, name);
  QFETCH(QString, written);
  QFETCH(bool, failed);

  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  CChildFrame* child = frame->MDIGetActive();
  child->Document()->image[0x12F] = 0x02;
  if (!name.isEmpty()) shell.fileNames.push_back(QString::fromStdString(shell.FilePath(name.toStdString())));
  // A new document has never been saved: Save asks for the name too.
  frame->OnCommand(Cmd::kFileSave);
  QCOMPARE(shell.proposedNames, std::vector<QString>{QStringLiteral("QuillmoorProgrammer")});
  QCOMPARE(shell.messages.size(), std::size_t{failed ? 1u : 0u});
  if (failed) QVERIFY(shell.messages.front().text.contains(QStringLiteral("saved.dat")));
  if (written.isEmpty()) {
    QCOMPARE(child->windowTitle(), QStringLiteral("Channel Information[*]"));
    return;
  }
  RadioImage image;
  image[0] = 0;
  const std::string bytes = shell.Read(written.toStdString());
  QCOMPARE(bytes.size(), std::size_t{1040});
  QCOMPARE(bytes.substr(0, 16), (std::string("S333") + std::string(12, '\0')));
  QVERIFY(LoadDataFile(shell.FilePath(written.toStdString()), image).ok());
  QVERIFY(image == child->Document()->image);
  QCOMPARE(child->windowTitle(), written + "[*]");
}

void FileNewTest::saveAgainWritesWithoutAsking() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  CChildFrame* child = frame->MDIGetActive();
  shell.fileNames.push_back(QString::fromStdString(shell.FilePath("kept.dat")));
  frame->OnCommand(Cmd::kFileSaveAs);
  child->Document()->image[0x134] = 0x07;
  frame->OnCommand(Cmd::kFileSave);
  QCOMPARE(shell.proposedNames.size(), std::size_t{1});
  QCOMPARE(static_cast<unsigned char>(shell.Read("kept.dat")[16 + 0x134]), 0x07u);
}

QTEST_MAIN(FileNewTest)
#include "FileNewTest.moc"
