// The File menu's recent files, kept in the settings store, and data files
// dropped on the main window: both open through File Open's path.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/app/RecentFiles.h"
#include "gui/shell/UserSettings.h"
#include "support/ShellFixture.h"

namespace {

QString WriteDataFile(ShellFixture& shell, const std::string& name) {
  shell.Write(name, DataFileBytes(RadioImage()));
  return QString::fromStdString(shell.FilePath(name));
}

QString ActivePath(const ShellFixture& shell) {
  return QString::fromStdString(shell.Frame()->MDIGetActive()->Document()->GetPathName());
}

// The recent file items of the File menu, in order.
QStringList RecentItems(const QMenu* file) {
  QStringList texts;
  for (const QAction* action : file->actions()) {
    const int command = CMainFrame::CommandOf(action);
    if (command >= Cmd::kFileMru1 && command < Cmd::kFileMru1 + 4)
      texts << QStringLiteral("%1 %2").arg(command - Cmd::kFileMru1).arg(action->text());
  }
  return texts;
}

}  // namespace

class RecentFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void lastFourOpenedOrSaved();
  void droppedFileOpens();
  void nameThatIsNoText_data();
  void nameThatIsNoText();
};

void RecentFilesTest::lastFourOpenedOrSaved() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QVERIFY(RecentItems(frame->CurrentMenus().front()).isEmpty());
  QStringList paths;
  for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
    paths << WriteDataFile(shell, name);
    shell.fileNames = {paths.back()};
    frame->OnCommand(Cmd::kFileOpen);
  }
  const QStringList newest{paths[4], paths[3], paths[2], paths[1]};
  QCOMPARE(ReadUserStrings("Recent"), newest);
  QCOMPARE(RecentItems(frame->CurrentMenus().front()),
           (QStringList{"0 &1 " + paths[4], "1 &2 " + paths[3], "2 &3 " + paths[2], "3 &4 " + paths[1]}));
  // Just before Exit, in the menu without a document too.
  QCOMPARE(MenuCommands(frame->Menus(false).front()),
           (std::vector<int>{Cmd::kFileNew, Cmd::kFileOpen, Cmd::kFileOpenBackup, Cmd::kFilePrintSetup, Cmd::kFileMru1,
                             Cmd::kFileMru1 + 1, Cmd::kFileMru1 + 2, Cmd::kFileMru1 + 3, Cmd::kAppExit}));

  frame->OnCommand(Cmd::kFileMru1 + 2);
  QCOMPARE(ActivePath(shell), paths[2]);
  QCOMPARE(ReadUserStrings("Recent").front(), paths[2]);

  // A file that no longer opens is told once and leaves the list.
  shell.Remove("b.dat");
  frame->OnCommand(Cmd::kFileMru1 + 3);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QCOMPARE(ActivePath(shell), paths[2]);
  QCOMPARE(ReadUserStrings("Recent"), (QStringList{paths[2], paths[4], paths[3]}));
  QVERIFY(!frame->IsCommandEnabled(Cmd::kFileMru1 + 3));

  // Saving under a new name puts that file first.
  const QString saved = QString::fromStdString(shell.FilePath("saved.dat"));
  shell.fileNames = {saved};
  frame->OnCommand(Cmd::kFileSaveAs);
  QCOMPARE(ReadUserStrings("Recent").front(), saved);
}

void RecentFilesTest::droppedFileOpens() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  const QString path = WriteDataFile(shell, "dropped.dat");
  QVERIFY(DropFile(frame, path));
  QCOMPARE(ActivePath(shell), path);
  QCOMPARE(ReadUserStrings("Recent"), QStringList{path});
  // Anything else is refused with the Open message; the document stays.
  shell.Write("notes.txt", "not a data file");
  QVERIFY(DropFile(frame, QString::fromStdString(shell.FilePath("notes.txt"))));
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QCOMPARE(ActivePath(shell), path);
}

void RecentFilesTest::nameThatIsNoText_data() {
  QTest::addColumn<QString>("from");
  QTest::newRow("command line") << "command line";
  QTest::newRow("drop") << "drop";
  QTest::newRow("recent file") << "recent file";
}

// A name that is not UTF-8 opens from wherever it comes, as programcli opens
// it, and goes back to the recent files as the same bytes.
void RecentFilesTest::nameThatIsNoText() {
  QFETCH(QString, from);
  ShellFixture shell;
  RadioImage image;
  image[0x130] = 0x07;
  shell.Write("\xff\xfe bad.dat", DataFileBytes(image));
  const std::string path = shell.FilePath("\xff\xfe bad.dat");
  if (from == "command line") {
    QVERIFY(shell.StartWithBytes({path}));
  } else {
    QVERIFY(shell.Start());
    if (from == "drop") {
      const QByteArray encoded = QByteArray::fromStdString(path).toPercentEncoding("/");
      QVERIFY(DropUrl(shell.Frame(), QUrl::fromEncoded("file://" + encoded)));
    } else {
      NoteRecentFile(path);
      shell.Frame()->OnCommand(Cmd::kFileMru1);
    }
  }
  QVERIFY(shell.messages.empty());
  const CProgramDoc* doc = shell.Frame()->MDIGetActive()->Document();
  QCOMPARE(doc->GetPathName(), path);
  QCOMPARE(doc->image[0x130], std::uint8_t{0x07});
  QCOMPARE(RecentFilePaths(), std::vector<std::string>{path});
}

QTEST_MAIN(RecentFilesTest)
#include "RecentFilesTest.moc"
