// Saving from the channel window: the cell being edited is committed first,
// a new document always asks for a name, and closing the program asks to
// save a modified document (Yes, No, Cancel).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "ShellFixture.h"
#include "app/ChildFrame.h"
#include "app/LanguageDlg.h"
#include "app/MainFrame.h"
#include "app/ResourceIds.h"
#include "editor/MSFlexGrid.h"
#include "editor/ProgramView.h"
#include "radio/ChannelTable.h"
#include "radio/DataFile.h"
#include "radio/ProgramDoc.h"

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
  return TableFromImage(image, false)[0][kColTxFrequency];
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
  shell.modal = [](QDialog& dialog) {
    auto* language = qobject_cast<CLanguageDlg*>(&dialog);
    if (language == nullptr) return static_cast<int>(QDialog::Rejected);
    language->m_pChinese->setChecked(true);
    language->OnOK();
    return language->result();
  };
  shell.answer = QMessageBox::Cancel;
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QVERIFY(view->m_dlgLanguage.m_bChanged);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QVERIFY(shell.started.empty());
  QVERIFY(shell.Frame()->isVisible());
}

QTEST_MAIN(DocumentFilesTest)
#include "DocumentFilesTest.moc"
