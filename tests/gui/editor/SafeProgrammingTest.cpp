// What keeps a radio's contents safe, through the window against the
// simulated radio: Verify After Write, the backup of every Read, File › Open
// Backup..., Serial Trace and File › Compare With....
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <QMenu>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>

#include "RadioWindow.h"
#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/files/UserFolders.h"
#include "core/radio/ImageMap.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/RecentFiles.h"
#include "gui/app/SafeProgramming.h"
#include "gui/settings/CompareDlg.h"
#include "gui/shell/UserSettings.h"

namespace {

// Setup › Verify After Write or Serial Trace, as a user turns it on.
void TurnOn(const RadioWindow& window, int command) {
  QAction* item = FindCommand(window.Frame()->CurrentMenus().at(4), command);
  QVERIFY(item != nullptr);
  window.Frame()->UpdateCommandUI();
  QVERIFY(item->isCheckable());
  QVERIFY(!item->isChecked());
  item->trigger();
  QVERIFY(item->isChecked());
}

std::string AppFolder(const std::string& root) { return root + "QuillmoorProgrammer/"; }

QStringList TableRow(const QTableWidget* table, int row) {
  QStringList cells;
  for (int c = 0; c < table->columnCount(); ++c)
    cells << (table->item(row, c) != nullptr ? table->item(row, c)->text() : QString());
  return cells;
}

}  // namespace

class SafeProgrammingTest : public QObject {
  Q_OBJECT
 private slots:
  void verifyAfterWrite_data();
  void verifyAfterWrite();
  void readKeepsABackup_data();
  void readKeepsABackup();
  void openBackup_data();
  void openBackup();
  void serialTrace_data();
  void serialTrace();
  void compareWith_data();
  void compareWith();
};

void SafeProgrammingTest::verifyAfterWrite_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<bool>("verify");
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("message");  // the start of the one message; empty: none
  QTest::newRow("good radio") << "English" << true << ""
                              << "";
  QTest::newRow("dropped block") << "English" << true << "drop-block:5"
                                 << "Verify failed: at 0x040 ";
  QTest::newRow("dropped block, Chinese") << "Chinese" << true << "drop-block:5"
                                          << "校验失败：电台在 0x040 处";
  QTest::newRow("dropped block, verify off") << "English" << false << "drop-block:5"
                                             << "";
}

void SafeProgrammingTest::verifyAfterWrite() {
  QFETCH(QString, language);
  QFETCH(bool, verify);
  QFETCH(QString, fault);
  QFETCH(QString, message);
  SimOptions options = CSimHarness::Fast();
  std::string error;
  if (!fault.isEmpty()) QVERIFY(ApplyFault(fault.toStdString(), options.faults, error));
  RadioWindow window(language.toStdString(), options);
  QVERIFY(window.Start());
  if (verify) TurnOn(window, Cmd::kVerifyAfterWrite);
  QCOMPARE(ReadUserNumber(kVerifyAfterWriteSetting, 0), verify ? 1 : 0);

  QVERIFY(window.Transfer(Cmd::kWrite));
  const QStringList messages = window.Messages();
  QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
  if (!message.isEmpty()) QVERIFY2(messages.front().startsWith(message), qPrintable(messages.front()));
  // Reading back costs a second pass over the blocks written.
  QCOMPARE(window.sim.sim().Stats().blocksRead, verify ? 60 : 0);
}

void SafeProgrammingTest::readKeepsABackup_data() {
  QTest::addColumn<bool>("blocked");  // a file stands where the data folder belongs
  QTest::newRow("backup kept") << false;
  QTest::newRow("backup cannot be written") << true;
}

void SafeProgrammingTest::readKeepsABackup() {
  QFETCH(bool, blocked);
  RadioWindow window;
  QVERIFY(window.Start());
  if (blocked) window.shell.Write("data", "not a folder");
  QVERIFY(window.Transfer(Cmd::kRead));

  // The Read itself always succeeds.
  QVERIFY(window.Table() == TableFromImage(window.sim.sim().Memory(), Language::English));
  const std::string folder = AppFolder(UserDataFolder());
  const std::vector<std::string> backups = ListBackups(folder);
  if (blocked) {
    QCOMPARE(window.Messages().size(), 1);
    const QString expected = "No backup was saved: cannot write '" + QString::fromStdString(folder);
    QVERIFY2(window.Messages().front().startsWith(expected), qPrintable(window.Messages().front()));
    QVERIFY(backups.empty());
    return;
  }
  QCOMPARE(window.Messages(), QStringList());
  QCOMPARE(backups.size(), std::size_t{1});
  QVERIFY(QString::fromStdString(backups.front()).endsWith(" COM1.dat"));
  RadioImage kept;
  QVERIFY(LoadDataFile(folder + backups.front(), kept).ok());
  QVERIFY(kept == window.Doc()->image);
}

void SafeProgrammingTest::openBackup_data() {
  QTest::addColumn<int>("backups");
  QTest::addColumn<int>("chosen");  // index of the backup chosen in the dialog, oldest first
  QTest::addColumn<int>("command");
  QTest::newRow("an older backup chosen") << 2 << 0 << int(Cmd::kFileOpenBackup);
  QTest::newRow("no backup yet") << 0 << -1 << int(Cmd::kFileOpenBackup);
  QTest::newRow("a backup chosen in File Open") << 1 << 0 << int(Cmd::kFileOpen);
}

// A backup opens as a new untitled document: saving it asks for a name,
// and the backup stays as the radio held it.
void SafeProgrammingTest::openBackup() {
  QFETCH(int, backups);
  QFETCH(int, chosen);
  QFETCH(int, command);
  RadioWindow window;
  QVERIFY(window.Start());
  const std::string folder = AppFolder(UserDataFolder());
  const auto now = std::chrono::system_clock::now();
  for (int i = 0; i < backups; ++i)
    QVERIFY(SaveBackup(folder, PatternImage(10 + i), "COM1", now + std::chrono::seconds(i)).ok);
  const std::vector<std::string> names = ListBackups(folder);
  if (chosen >= 0) window.shell.fileNames = {QString::fromStdString(folder + names[std::size_t(chosen)])};

  window.Frame()->OnCommand(command);
  if (chosen < 0) {
    QCOMPARE(window.shell.proposedNames.size(), std::size_t{0});
    QCOMPARE(window.Messages().size(), 1);
    QVERIFY(window.Messages().front().endsWith(QString::fromStdString(folder)));
    return;
  }
  // The dialog opens in the backup folder on the newest one.
  if (command == Cmd::kFileOpenBackup) {
    QCOMPARE(window.shell.proposedNames, std::vector<QString>{QString::fromStdString(folder + names.back())});
    QCOMPARE(window.shell.fileCaptions, std::vector<QString>{"Open Backup"});
  }
  QCOMPARE(window.Messages(), QStringList());
  QVERIFY(window.Doc()->image == PatternImage(10 + chosen));
  QCOMPARE(window.Doc()->GetTitle(), std::string("Channel Information"));

  const std::string backup = folder + names[std::size_t(chosen)];
  window.Doc()->image[0x200] ^= 0xFF;
  window.Doc()->SetModifiedFlag();
  window.shell.proposedNames.clear();
  window.Frame()->OnCommand(Cmd::kFileSave);
  QCOMPARE(window.shell.proposedNames.size(), std::size_t{1});
  QVERIFY(!QString(window.shell.proposedNames.front()).contains(QString::fromStdString(folder)));
  window.shell.answer = QMessageBox::Yes;
  QVERIFY(!window.Frame()->close());  // Yes to saving, then the name asked for is not given
  RadioImage kept;
  QVERIFY(LoadDataFile(backup, kept).ok());
  QVERIFY(kept == PatternImage(10 + chosen));
  QVERIFY(RecentFiles().isEmpty());
}

// What stands in the way of the trace file.
enum TraceTrouble { kNoTrouble, kFileForFolder, kFifo, kSizeLimit };

void SafeProgrammingTest::serialTrace_data() {
  QTest::addColumn<bool>("trace");
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("trouble");
  QTest::addColumn<QStringList>("sessions");  // the "# " lines of the trace file
  QTest::addColumn<QString>("message");       // "%1": the trace's path
  QTest::newRow("Read") << true << Cmd::kRead << int(kNoTrouble) << QStringList{"# Read Data "} << QString();
  QTest::newRow("verified Write") << true << Cmd::kWrite << int(kNoTrouble) << QStringList{"# Write Data ", "# Verify "}
                                  << QString();
  // A trace that cannot be had stops the transfer before the port opens.
  QTest::newRow("trace cannot be created") << true << Cmd::kRead << int(kFileForFolder) << QStringList()
                                           << "Serial trace '%1' cannot be written: Not a directory. Nothing was sent.";
  QTest::newRow("trace onto a FIFO") << true << Cmd::kWrite << int(kFifo) << QStringList()
                                     << "Serial trace '%1' cannot be written: not a regular file. Nothing was sent.";
  // One that fails midway is told; the transfer's own result stands.
  QTest::newRow("trace fails midway") << true << Cmd::kWrite << int(kSizeLimit) << QStringList()
                                      << "Serial trace '%1' was not saved: File too large.";
  QTest::newRow("trace off") << false << Cmd::kRead << int(kNoTrouble) << QStringList() << QString();
}

void SafeProgrammingTest::serialTrace() {
  QFETCH(bool, trace);
  QFETCH(int, command);
  QFETCH(int, trouble);
  QFETCH(QStringList, sessions);
  QFETCH(QString, message);
  RadioWindow window;
  QVERIFY(window.Start());
  const std::string path = AppFolder(UserCacheFolder()) + "last-transfer.txt";
  if (trouble == kFileForFolder) window.shell.Write("cache", "not a folder");
  int reader = -1;  // the FIFO's reader, so that nothing waits on it
  if (trouble == kFifo) {
    QCOMPARE(MakeFolders(AppFolder(UserCacheFolder())), 0);
    QCOMPARE(::mkfifo(path.c_str(), 0600), 0);
    reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
  }
  if (trace) TurnOn(window, Cmd::kSerialTrace);
  TurnOn(window, Cmd::kVerifyAfterWrite);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 2048;  // far less than the trace of a Write
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  if (trouble == kSizeLimit) ::setrlimit(RLIMIT_FSIZE, &small);
  const bool ended = window.Transfer(command);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  QVERIFY(ended);
  if (reader >= 0) {
    char byte = 0;
    QVERIFY2(::read(reader, &byte, 1) <= 0, "something was written into the FIFO");
    ::close(reader);
  }
  QStringList expected;
  if (!message.isEmpty()) expected << message.arg(QString::fromStdString(path));
  QCOMPARE(window.Messages(), expected);
  if (trouble == kFileForFolder || trouble == kFifo) {
    QVERIFY2(window.sim.FromPc().empty(), "the radio was spoken to");
    return;
  }
  QVERIFY(window.Table() == TableFromImage(window.sim.sim().Memory(), Language::English));

  // The transfer's own result first, then the trace's.
  const QString complete = command == Cmd::kRead ? "Read complete" : "Write complete";
  const QString status = window.Frame()->statusBar()->currentMessage();
  QFile file(QString::fromStdString(path));
  if (!trace || trouble == kSizeLimit) {
    QVERIFY(!file.exists());
    if (!trace) QCOMPARE(status, complete);
    return;
  }
  QCOMPARE(status, complete + ". Serial trace of the last transfer: " + QString::fromStdString(path));
  struct stat st {};
  QCOMPARE(::stat(path.c_str(), &st), 0);
  QCOMPARE(st.st_mode & 0777, 0600u);  // it holds the radio's memory
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  QStringList headers;
  for (const QString& line : lines)
    if (line.startsWith("# ")) headers << line;
  QCOMPARE(headers.size(), sessions.size());
  for (int i = 0; i < sessions.size(); ++i)
    QCOMPARE(headers[i], sessions[i] + QString::fromStdString(window.sim.device()));
  // The handshake goes out first, and the radio answers every block.
  const QStringList sent = lines.filter(" send ");
  QVERIFY2(!sent.isEmpty() && sent.front().contains(" send  02 "), qPrintable(lines.join('\n')));
  QVERIFY(lines.filter(" recv ").size() >= 64);
}

void SafeProgrammingTest::compareWith_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<bool>("tableEdited");  // channel 2 typed into the table as the file has it
  QTest::addColumn<bool>("sameFile");
  QTest::addColumn<QString>("documentSide");
  QTest::addColumn<QString>("optionLabel");  // as the Optional Features dialog labels it
  QTest::newRow("one channel, one option, one byte") << "English" << false << false << "Open document"
                                                     << "Squelch Level";
  QTest::newRow("one channel, one option, one byte, Chinese") << "Chinese" << false << false << "当前文档"
                                                              << "静噪等级";
  QTest::newRow("the table counts, not the stored image") << "English" << true << false << ""
                                                          << "Squelch Level";
  QTest::newRow("nothing differs") << "English" << false << true << ""
                                   << "";
}

void SafeProgrammingTest::compareWith() {
  QFETCH(QString, language);
  QFETCH(bool, tableEdited);
  QFETCH(bool, sameFile);
  QFETCH(QString, documentSide);
  QFETCH(QString, optionLabel);
  const Language texts = language == "Chinese" ? Language::Chinese : Language::English;
  RadioWindow window(language.toStdString());
  QVERIFY(window.Start());
  window.View()->StoreToImage();
  RadioImage file = window.Doc()->image;
  ChannelTable table = window.Table();
  if (!sameFile) {
    table[1][kColRxFrequency] = "150.00000";
    table[1][kColTxFrequency] = "150.00000";
    ChannelTable changed = TableFromImage(file, texts);
    changed[1] = table[1];
    StoreTableToImage(changed, file);
    file[ImageMap::kSquelchLevel] = static_cast<std::uint8_t>(file[ImageMap::kSquelchLevel] ^ 1);
    file[0x3FB] = static_cast<std::uint8_t>(file[0x3FB] ^ 0xFF);
  }
  if (tableEdited) window.View()->SetTable(table);
  QVERIFY(SaveDataFile(window.shell.FilePath("other.dat"), file).ok());
  window.shell.fileNames = {QString::fromStdString(window.shell.FilePath("other.dat"))};
  QStringList channels, options, bytes;
  window.shell.modal = [&](QDialog& dialog) {
    auto* compare = qobject_cast<CCompareDlg*>(&dialog);
    if (compare == nullptr) return int(QDialog::Rejected);
    if (compare->Channels() != nullptr) {
      channels << TableRow(compare->Channels(), 0).join('|');
      for (int r = 1; r < compare->Channels()->rowCount(); ++r) channels << TableRow(compare->Channels(), r).join('|');
    }
    if (compare->Options() != nullptr)
      for (int r = 0; r < compare->Options()->rowCount(); ++r) options << TableRow(compare->Options(), r).join('|');
    if (compare->Bytes() != nullptr)
      for (int r = 0; r < compare->Bytes()->rowCount(); ++r) bytes << TableRow(compare->Bytes(), r).join('|');
    return int(QDialog::Accepted);
  };
  window.Frame()->OnCommand(Cmd::kFileCompare);

  if (sameFile) {
    QCOMPARE(window.Messages(), QStringList{"The images are the same."});
    QCOMPARE(window.shell.modalCount, 0);
    return;
  }
  QCOMPARE(window.shell.modalCount, 1);
  if (tableEdited) {
    QCOMPARE(channels, QStringList());
  } else {
    // A first row naming the sides, then channel 2 as each side shows it.
    QStringList sides(1 + 2 * (kChannelColumns - 1));
    sides[1] = documentSide;
    sides[kChannelColumns] = "other.dat";
    QStringList row{" 2"};
    for (const ChannelRow& side : {window.Table()[1], TableFromImage(file, texts)[1]})
      for (int c = 1; c < kChannelColumns; ++c) row << QString::fromStdString(side[std::size_t(c)]);
    QCOMPARE(channels, (QStringList{sides.join('|'), row.join('|')}));
  }
  QCOMPARE(options.size(), 1);
  QVERIFY2(options.front().startsWith(optionLabel + "|"), qPrintable(options.front()));
  QCOMPARE(bytes.size(), 1);
  QVERIFY2(bytes.front().startsWith("0x3FB|"), qPrintable(bytes.front()));
}

QTEST_MAIN(SafeProgrammingTest)
#include "SafeProgrammingTest.moc"
