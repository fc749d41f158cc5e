// The Language dialog: "Program.ini" is written only on a real change, and
// the program restarts only once its main window has closed.
#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/LanguageDlg.h"
#include "gui/shell/AppGlobals.h"
#include "support/ShellFixture.h"

namespace {
std::function<int(QDialog&)> ChooseLanguage(int choice, int button, int* shownChoice = nullptr) {
  return [=](QDialog& dialog) {
    auto* language = qobject_cast<CLanguageDlg*>(&dialog);
    if (language == nullptr) return static_cast<int>(QDialog::Rejected);
    if (shownChoice != nullptr) *shownChoice = language->m_pChinese->isChecked() ? 1 : 0;
    (choice == 1 ? language->m_pChinese : language->m_pEnglish)->click();
    DialogButton(dialog, button)->click();
    return dialog.result();
  };
}

// Refuses every close, as a window with a question the user declined would.
class RefuseClose : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    event->ignore();
    return true;
  }
};
}  // namespace

class LanguageDlgTest : public QObject {
  Q_OBJECT
 private slots:
  void choice_data();
  void choice();
  void restartWaitsForTheClose();
  void failedSaveIsReportedAndNoRestart();
  void readOnlyFolderKeepsTheChoiceForTheUser();
  void languageCommandNeedsShowLang();
};

void LanguageDlgTest::choice_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("choice");
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("shown");
  QTest::addColumn<QString>("stored");  // empty: the file is untouched

  QTest::newRow("English kept") << "English" << 0 << Res::kIdOk << 0 << "";
  QTest::newRow("English to Chinese") << "English" << 1 << Res::kIdOk << 0 << "Chinese";
  QTest::newRow("English to Chinese, Cancel") << "English" << 1 << Res::kIdCancel << 0 << "";
  QTest::newRow("Chinese kept") << "Chinese" << 1 << Res::kIdOk << 1 << "";
  QTest::newRow("Chinese to English") << "Chinese" << 0 << Res::kIdOk << 1 << "English";
  QTest::newRow("chinese in lower case kept") << "chinese" << 1 << Res::kIdOk << 1 << "";
  QTest::newRow("chinese in lower case to English") << "chinese" << 0 << Res::kIdOk << 1 << "English";
}

void LanguageDlgTest::choice() {
  QFETCH(QString, language);
  QFETCH(int, choice);
  QFETCH(int, button);
  QFETCH(int, shown);
  QFETCH(QString, stored);

  // A remark line shows whether the file was rewritten.
  const std::string profile = "; kept unless rewritten\n" + MakeProfile(language.toStdString());
  ShellFixture shell(profile);
  QVERIFY(shell.Start());
  int shownChoice = -1;
  shell.modal = ChooseLanguage(choice, button, &shownChoice);
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QCOMPARE(shell.modalCount, 1);
  QCOMPARE(shownChoice, shown);

  const std::string file = shell.Read("Program.ini");
  if (stored.isEmpty()) {
    QCOMPARE(file, profile);
    QVERIFY(shell.started.empty());
    QVERIFY(shell.Frame()->isVisible());
  } else {
    QVERIFY(file.find("Language=" + stored.toStdString() + "\n") != std::string::npos);
    QVERIFY(file.find("; kept unless rewritten") == std::string::npos);
    QCOMPARE(shell.started.size(), std::size_t{1});
    QCOMPARE(shell.started.front(), QString::fromStdString(shell.Folder() + "Program"));
    QVERIFY(!shell.Frame()->isVisible());
  }
  // The running process keeps its language.
  QCOMPARE(g_strLanguage, language.toStdString());
}

void LanguageDlgTest::restartWaitsForTheClose() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  RefuseClose refuse;
  shell.Frame()->installEventFilter(&refuse);
  shell.modal = ChooseLanguage(1, Res::kIdOk);
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QVERIFY(shell.Read("Program.ini").find("Language=Chinese") != std::string::npos);
  QVERIFY(shell.Frame()->isVisible());
  QVERIFY(shell.started.empty());
}

void LanguageDlgTest::failedSaveIsReportedAndNoRestart() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  // Nothing can be written where a folder stands in the file's place.
  shell.Remove("Program.ini");
  std::filesystem::create_directory(shell.FilePath("Program.ini"));
  shell.modal = ChooseLanguage(1, Res::kIdOk);
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QVERIFY(shell.messages.front().text.contains(QStringLiteral("Program.ini")));
  QVERIFY(shell.started.empty());
  QVERIFY(shell.Frame()->isVisible());
  // The choice the file refused is not held either, so the save at exit
  // cannot write it behind the user's back.
  QCOMPARE(g_profile.GetString("Setup", "Language", ""), std::string("English"));
  QVERIFY(!g_profile.IsModified());
}

// An installed program folder that the user may not write: the choice goes
// to the user's own copy, which the next start reads; the shipped file stays.
void LanguageDlgTest::readOnlyFolderKeepsTheChoiceForTheUser() {
  const std::string profile = MakeProfile("English");
  ShellFixture shell(profile);
  namespace fs = std::filesystem;
  fs::permissions(shell.Folder(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  QVERIFY(shell.Start());
  QCOMPARE(g_strLanguage, std::string("English"));

  shell.modal = ChooseLanguage(1, Res::kIdOk);
  shell.Frame()->OnCommand(Cmd::kLanguage);
  QVERIFY(shell.messages.empty());
  QCOMPARE(shell.started.size(), std::size_t{1});
  QCOMPARE(shell.Read("Program.ini"), profile);
  const std::string own = shell.Read("config/QuillmoorProgrammer/Program.ini");
  QVERIFY(own.find("Language=Chinese\n") != std::string::npos);
  QVERIFY(own.find("Company=Quillmoor Radio Works\n") != std::string::npos);

  QVERIFY(shell.Restart());
  QCOMPARE(g_strLanguage, std::string("Chinese"));
  QVERIFY(g_language == Language::Chinese);
}

void LanguageDlgTest::languageCommandNeedsShowLang() {
  ShellFixture shell(MakeProfile("English", "ShowLang=0\n"));
  QVERIFY(shell.Start());
  // The command is gone from the menu; its handler stays with the view.
  QVERIFY(FindCommand(shell.Frame()->CurrentMenus().at(4), Cmd::kLanguage) == nullptr);
  QVERIFY(shell.Frame()->IsCommandEnabled(Cmd::kLanguage));
}

QTEST_MAIN(LanguageDlgTest)
#include "LanguageDlgTest.moc"
