// Saving from the channel window: the cell being edited is committed first,
// a new document always asks for a name, and closing the program asks to
// save a modified document (Yes, No, Cancel).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <map>

#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/radio/ChannelTable.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/LanguageDlg.h"
#include "gui/editor/ProgramView.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ShellFixture.h"

namespace {

// Starts with channel 1 set on a band that holds 446 MHz, and waits until
// the main window has the focus so that typed keys arrive.
bool StartWithChannel(ShellFixture& shell) {
  RadioImage image;
  const std::uint8_t channel1[8] = {0x00, 0x00, 0x60, 0x44, 0x00, 0x00, 0x60, 0x44};
  for (int i = 0; i < 8; ++i) image[0x10 + i] = channel1[i];
  shell.Write("start.dat", DataFileBytes(image));
  if (!shell.Start({QString::fromStdString(shell.FilePath("start.dat"))})) return false;
  shell.Frame()->ActiveView()->SetBandLimits(BandLimitsFromText("400-470"));
  shell.Frame()->activateWindow();
  return QTest::qWaitForWindowActive(shell.Frame());
}

// Types a transmit frequency into channel 1 and leaves the editor open.
void TypeTxFrequency(CProgramView* view, const QString& text) {
  view->Grid()->SetCurrentCell(1, 2);
  auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  QVERIFY(edit != nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

std::string TxFrequencyInFile(const ShellFixture& shell, const std::string& name) {
  RadioImage image;
  if (!LoadDataFile(shell.FilePath(name), image).ok()) return "(no file)";
  return TableFromImage(image, Language::English)[0][kColTxFrequency];
}

// The Language dialog, Chinese chosen and confirmed.
int ChooseChinese(QDialog& dialog) {
  auto* language = qobject_cast<CLanguageDlg*>(&dialog);
  if (language == nullptr) return static_cast<int>(QDialog::Rejected);
  language->m_pChinese->setChecked(true);
  language->OnOK();
  return language->result();
}

}  // namespace

class DocumentFilesTest : public QObject {
  Q_OBJECT
 private slots:
  void saveCommitsTheEdit_data();
  void saveCommitsTheEdit();
  void firstSaveAsks();
  void closeAsksToSave_data();
  void closeAsksToSave();
  void languageRestartAsksToo();
  void documentsOutOfSightAreShownAndAskedOnce_data();
  void documentsOutOfSightAreShownAndAskedOnce();
  void typedNameGetsTheExtension_data();
  void typedNameGetsTheExtension();
  void saveOverAnotherProgramsChange_data();
  void saveOverAnotherProgramsChange();
};

void DocumentFilesTest::saveCommitsTheEdit_data() {
  QTest::addColumn<int>("command");
  QTest::newRow("Ctrl+S") << int(Cmd::kFileSave);
  QTest::newRow("Save As") << int(Cmd::kFileSaveAs);
}

void DocumentFilesTest::saveCommitsTheEdit() {
  QFETCH(int, command);
  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  CProgramView* view = shell.Frame()->ActiveView();
  TypeTxFrequency(view, QStringLiteral("446.0125"));
  if (command == Cmd::kFileSave) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
  } else {
    shell.fileNames.push_back(QString::fromStdString(shell.FilePath("as.dat")));
    shell.Frame()->OnCommand(command);
  }
  QCOMPARE(TxFrequencyInFile(shell, command == Cmd::kFileSave ? "start.dat" : "as.dat"), std::string("446.01250"));
  QVERIFY(!view->IsEditing());
  QVERIFY(!view->GetDocument()->IsModified());
}

void DocumentFilesTest::firstSaveAsks() {
  // A file carrying the application's name in the current folder is never
  // overwritten by the first save of a new document.
  ShellFixture shell;
  QVERIFY(shell.Start());
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(shell.Folder()));
  shell.Write("QuillmoorProgrammer", "keep me");
  shell.Frame()->OnCommand(Cmd::kFileSave);
  QDir::setCurrent(before);
  QCOMPARE(shell.proposedNames, std::vector<QString>{QStringLiteral("QuillmoorProgrammer")});
  QCOMPARE(shell.Read("QuillmoorProgrammer"), std::string("keep me"));
}

void DocumentFilesTest::closeAsksToSave_data() {
  QTest::addColumn<bool>("edited");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QString>("saveAs");  // the name the Save As dialog gives; empty: cancelled
  QTest::addColumn<bool>("closed");
  QTest::addColumn<QString>("saved");  // transmit frequency of channel 1 in the file saved

  QTest::newRow("unmodified closes at once") << false << int(QMessageBox::Cancel) << "" << true << "";
  QTest::newRow("Cancel keeps the program") << true << int(QMessageBox::Cancel) << "" << false << "";
  QTest::newRow("No closes without saving") << true << int(QMessageBox::No) << "" << true << "";
  QTest::newRow("Yes saves, then closes") << true << int(QMessageBox::Yes) << "out.dat" << true << "446.01250";
  QTest::newRow("Yes, name not given: stays") << true << int(QMessageBox::Yes) << "" << false << "";
}

void DocumentFilesTest::closeAsksToSave() {
  QFETCH(bool, edited);
  QFETCH(int, answer);
  QFETCH(QString, saveAs);
  QFETCH(bool, closed);
  QFETCH(QString, saved);

  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  // A new document whose edit is still in its editor.
  shell.Frame()->OnCommand(Cmd::kFileNew);
  shell.messages.clear();
  CProgramView* view = shell.Frame()->ActiveView();
  view->SetBandLimits(BandLimitsFromText("400-470"));
  if (edited) {
    view->Grid()->SetCurrentCell(1, 1);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("446"));
    TypeTxFrequency(view, QStringLiteral("446.0125"));
  }
  shell.answer = static_cast<QMessageBox::StandardButton>(answer);
  if (!saveAs.isEmpty()) shell.fileNames.push_back(QString::fromStdString(shell.FilePath(saveAs.toStdString())));

  QCOMPARE(shell.Frame()->close(), closed);
  QCOMPARE(shell.Frame()->isVisible(), !closed);
  QCOMPARE(shell.messages.size(), std::size_t{edited ? 1u : 0u});
  if (edited) {
    QCOMPARE(shell.messages.front().text, QStringLiteral("Save changes to Channel Information?"));
    QCOMPARE(shell.messages.front().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
  if (!saved.isEmpty()) QCOMPARE(QString::fromStdString(TxFrequencyInFile(shell, saveAs.toStdString())), saved);
}

void DocumentFilesTest::languageRestartAsksToo() {
  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  CProgramView* view = shell.Frame()->ActiveView();
  view->GetDocument()->SetModifiedFlag();
  shell.modal = ChooseChinese;
  shell.answer = QMessageBox::Cancel;
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QVERIFY(view->m_dlgLanguage.m_bChanged);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QVERIFY(shell.started.empty());
  QVERIFY(shell.Frame()->isVisible());
}

void DocumentFilesTest::documentsOutOfSightAreShownAndAskedOnce_data() {
  QTest::addColumn<bool>("restart");  // by a language change, else by closing the window
  QTest::addColumn<int>("answer");
  QTest::addColumn<QStringList>("asked");
  QTest::addColumn<bool>("closed");
  const QStringList both{"Save changes to start.dat?", "Save changes to other.dat?"};
  QTest::newRow("close, No to both") << false << int(QMessageBox::No) << both << true;
  QTest::newRow("language restart, No to both") << true << int(QMessageBox::No) << both << true;
  QTest::newRow("language restart, Cancel") << true << int(QMessageBox::Cancel) << both.mid(0, 1) << false;
}

// start.dat is modified and hidden behind other.dat, which is modified too.
void DocumentFilesTest::documentsOutOfSightAreShownAndAskedOnce() {
  QFETCH(bool, restart);
  QFETCH(int, answer);
  QFETCH(QStringList, asked);
  QFETCH(bool, closed);
  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  CChildFrame* first = shell.Frame()->MDIGetActive();
  first->Document()->SetModifiedFlag();
  shell.Write("other.dat", shell.Read("start.dat"));
  shell.fileNames = {QString::fromStdString(shell.FilePath("other.dat"))};
  shell.Frame()->OnCommand(Cmd::kFileOpen);
  QVERIFY(first->isHidden());
  shell.Frame()->MDIGetActive()->Document()->SetModifiedFlag();

  QStringList questions, shown;  // what was asked, and whose window was active and visible then
  SetMessageBoxHook([&](const MessageRequest& request) {
    questions << request.text;
    const CChildFrame* active = shell.Frame()->MDIGetActive();
    if (active != nullptr && active->isVisible() && shell.Frame()->Client()->activeSubWindow() == active)
      shown << QString::fromStdString(active->Document()->GetTitle());
    return static_cast<QMessageBox::StandardButton>(answer);
  });
  if (restart) {
    shell.modal = ChooseChinese;
    shell.Frame()->OnCommand(Cmd::kLanguage);
  } else {
    shell.Frame()->close();
  }
  QCOMPARE(questions, asked);
  QCOMPARE(shown, QStringList({"start.dat", "other.dat"}).mid(0, asked.size()));
  QCOMPARE(shell.Frame()->isVisible(), !closed);
  QCOMPARE(shell.started.size(), std::size_t{restart && closed ? 1u : 0u});
}

void DocumentFilesTest::typedNameGetsTheExtension_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("answer");       // to a question whether to replace
  QTest::addColumn<QString>("asked");    // the file the question names; empty: none asked
  QTest::addColumn<QString>("caption");  // of the file dialog
  QTest::addColumn<QString>("shown");    // the document's title, then channel 1's receive frequency
  QTest::newRow("Save As foo, No") << int(Cmd::kFileSaveAs) << "foo" << int(QMessageBox::No) << "foo.dat"
                                   << "Save As"
                                   << "start.dat 446.00000";
  QTest::newRow("Save As foo, Yes") << int(Cmd::kFileSaveAs) << "foo" << int(QMessageBox::Yes) << "foo.dat"
                                    << "Save As"
                                    << "foo.dat 446.00000";
  QTest::newRow("Open foo") << int(Cmd::kFileOpen) << "foo" << int(QMessageBox::No) << ""
                            << "Open"
                            << "foo.dat ";
  QTest::newRow("Open a file without extension") << int(Cmd::kFileOpen) << "plain" << int(QMessageBox::No) << ""
                                                 << "Open"
                                                 << "plain ";
  QTest::newRow("Export list, No") << int(Cmd::kExportChannels) << "list" << int(QMessageBox::No) << "list.csv"
                                   << "Export Channels"
                                   << "start.dat 446.00000";
  QTest::newRow("Import list") << int(Cmd::kImportChannels) << "list" << int(QMessageBox::No) << ""
                               << "Import Channels"
                               << "start.dat 440.00000";
}

// The folder holds foo.dat and plain, two data files without channels, and
// list.csv with channel 1 at 440 MHz.
void DocumentFilesTest::typedNameGetsTheExtension() {
  QFETCH(int, command);
  QFETCH(QString, typed);
  QFETCH(int, answer);
  QFETCH(QString, asked);
  QFETCH(QString, caption);
  QFETCH(QString, shown);
  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  const std::map<std::string, std::string> files{
      {"foo.dat", DataFileBytes(RadioImage())},
      {"plain", DataFileBytes(RadioImage())},
      {"list.csv",
       "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,W/N,Scan,Busy Lock,Power\n"
       "1,440.00000,440.00000,None,None,Wide,No,Off,Low\n"}};
  for (const auto& [name, bytes] : files) shell.Write(name, bytes);
  shell.fileNames = {QString::fromStdString(shell.FilePath(typed.toStdString()))};
  shell.answer = static_cast<QMessageBox::StandardButton>(answer);
  shell.Frame()->OnCommand(command);

  QCOMPARE(shell.fileCaptions.front(), caption);
  const QString path = QString::fromStdString(shell.FilePath(asked.toStdString()));
  std::vector<MessageRequest> questions;  // an import also reports what it took
  for (const MessageRequest& m : shell.messages)
    if (m.text.endsWith("Do you want to replace it?")) questions.push_back(m);
  QCOMPARE(questions.size(), std::size_t{asked.isEmpty() ? 0u : 1u});
  if (!asked.isEmpty()) {
    QCOMPARE(questions.front().text, path + " already exists.\nDo you want to replace it?");
    QCOMPARE(questions.front().defaultButton, QMessageBox::No);  // Enter keeps the file
    // No brings the dialog back, on the name that would have been written.
    if (answer == QMessageBox::No) QCOMPARE(shell.proposedNames.back(), path);
    QCOMPARE(shell.Read(asked.toStdString()) != files.at(asked.toStdString()), answer == QMessageBox::Yes);
  }
  CChildFrame* active = shell.Frame()->MDIGetActive();
  QCOMPARE(QString::fromStdString(active->Document()->GetTitle() + " " + active->View()->Table()[0][kColRxFrequency]),
           shown);
}

void DocumentFilesTest::saveOverAnotherProgramsChange_data() {
  QTest::addColumn<bool>("changed");  // another program saves start.dat after our first save
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("asked");
  QTest::addColumn<bool>("ours");  // start.dat holds our image afterwards
  QTest::newRow("unchanged") << false << int(Cmd::kFileSave) << int(QMessageBox::Cancel) << false << true;
  QTest::newRow("changed, Overwrite") << true << int(Cmd::kFileSave) << int(QMessageBox::Save) << true << true;
  QTest::newRow("changed, Cancel") << true << int(Cmd::kFileSave) << int(QMessageBox::Cancel) << true << false;
  QTest::newRow("changed, Save As another name")
      << true << int(Cmd::kFileSaveAs) << int(QMessageBox::Cancel) << false << false;
}

// Another program's save (programcli set: a new file renamed in place) is
// not lost without a word; our own last save is no such change.
void DocumentFilesTest::saveOverAnotherProgramsChange() {
  QFETCH(bool, changed);
  QFETCH(int, command);
  QFETCH(int, answer);
  QFETCH(bool, asked);
  QFETCH(bool, ours);
  ShellFixture shell;
  QVERIFY(StartWithChannel(shell));
  shell.Frame()->OnCommand(Cmd::kFileSave);
  RadioImage other;
  other[0x130] = 0x09;
  if (changed) QVERIFY(SaveDataFile(shell.FilePath("start.dat"), other).ok());
  shell.answer = static_cast<QMessageBox::StandardButton>(answer);
  shell.fileNames.push_back(QString::fromStdString(shell.FilePath("as.dat")));
  shell.Frame()->OnCommand(command);
  QCOMPARE(shell.messages.size(), std::size_t{asked ? 1u : 0u});
  if (asked) {
    QVERIFY(shell.messages.front().text.contains(QString::fromStdString(shell.FilePath("start.dat"))));
    QCOMPARE(shell.messages.front().buttons, QMessageBox::Save | QMessageBox::Cancel);
  }
  RadioImage onDisk;
  QVERIFY(LoadDataFile(shell.FilePath("start.dat"), onDisk).ok());
  QCOMPARE(onDisk[0x130], ours ? std::uint8_t{0xFF} : std::uint8_t{0x09});
}

QTEST_MAIN(DocumentFilesTest)
#include "DocumentFilesTest.moc"
