// The Edit menu and the navigation tree before and after the service unlock.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/app/NavigationBar.h"
#include "gui/app/PasswordDlg.h"
#include "gui/shell/AppGlobals.h"
#include "support/ShellFixture.h"

namespace {
// Types `text` into the password dialog and presses `button`.
std::function<int(QDialog&)> TypePassword(const QString& text, int button, QString* typed = nullptr) {
  return [=](QDialog& dialog) {
    auto* password = qobject_cast<CPasswordDlg*>(&dialog);
    if (password == nullptr) return static_cast<int>(QDialog::Rejected);
    QTest::keyClicks(password->m_pEdit, text);
    if (typed != nullptr) *typed = password->m_pEdit->text();
    DialogButton(dialog, button)->click();
    return dialog.result();
  };
}

const std::vector<int> kEditChannel{
    Cmd::kEditUndo,      Cmd::kEditRedo,      Cmd::kEditCut,       Cmd::kEditCopy,        Cmd::kEditPaste,
    Cmd::kInsertChannel, Cmd::kDeleteChannel, Cmd::kMoveChannelUp, Cmd::kMoveChannelDown, Cmd::kClearChannel};
std::vector<int> EditItems(std::vector<int> dialogs) {
  dialogs.insert(dialogs.begin(), kEditChannel.begin(), kEditChannel.end());
  return dialogs;
}
const std::vector<int> kEditBefore =
    EditItems({Cmd::kProductInformation, Cmd::kChannelInformation, Cmd::kOptionalFeatures});
const std::vector<int> kEditAfter = EditItems(
    {Cmd::kProductInformation, Cmd::kChannelInformation, Cmd::kOptionalFeatures, Cmd::kPowerAdjust, Cmd::kParamAdjust});
}  // namespace

class MenuUnlockTest : public QObject {
  Q_OBJECT
 private slots:
  void menusAfterStartup();
  void unlock_data();
  void unlock();
  void secondUnlockAddsNothing();
  void serviceTextsFollowTheLanguage_data();
  void serviceTextsFollowTheLanguage();
  void passwordFieldTakesEightCharacters();
  void passwordNeedsTheServiceChoice();
};

void MenuUnlockTest::menusAfterStartup() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  const std::vector<QMenu*>& menus = shell.Frame()->CurrentMenus();
  QCOMPARE(menus.size(), std::size_t{6});
  QCOMPARE(MenuCommands(menus[0]),
           (std::vector<int>{Cmd::kFileNew, Cmd::kFileOpen, Cmd::kFileClose, Cmd::kFileSave, Cmd::kFileSaveAs,
                             Cmd::kImportChannels, Cmd::kExportChannels, Cmd::kFileOpenBackup, Cmd::kFileCompare,
                             Cmd::kFilePrint, Cmd::kFilePrintPreview, Cmd::kFilePrintSetup, Cmd::kAppExit}));
  QCOMPARE(MenuCommands(menus[1]), kEditBefore);
  QCOMPARE(MenuCommands(menus[2]), (std::vector<int>{Cmd::kRead, Cmd::kWrite}));
  QCOMPARE(MenuCommands(menus[3]), (std::vector<int>{Cmd::kViewToolbar, Cmd::kViewStatusBar, Cmd::kControlBar}));
  QCOMPARE(MenuCommands(menus[4]),
           (std::vector<int>{Cmd::kComSetup, Cmd::kLanguage, Cmd::kVerifyAfterWrite, Cmd::kSerialTrace}));
  QCOMPARE(MenuCommands(menus[5]), (std::vector<int>{Cmd::kAppAbout}));
  QCOMPARE(shell.Frame()->NavRoot()->childCount(), 3);
  QVERIFY(!g_bServiceMode);
}

void MenuUnlockTest::unlock_data() {
  QTest::addColumn<QString>("password");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("dialogs");
  QTest::addColumn<bool>("unlocked");

  const int ctrl = Qt::ControlModifier;
  QTest::newRow("right password") << "731904" << ctrl << Res::kIdOk << 1 << true;
  QTest::newRow("with Shift as well") << "731904" << int(ctrl | Qt::ShiftModifier) << Res::kIdOk << 1 << true;
  QTest::newRow("wrong password") << "731905" << ctrl << Res::kIdOk << 1 << false;
  QTest::newRow("password and a blank") << "731904 " << ctrl << Res::kIdOk << 1 << false;
  QTest::newRow("password and more") << "7319041" << ctrl << Res::kIdOk << 1 << false;
  QTest::newRow("start of the password") << "73190" << ctrl << Res::kIdOk << 1 << false;
  QTest::newRow("empty") << "" << ctrl << Res::kIdOk << 1 << false;
  QTest::newRow("Cancel") << "731904" << ctrl << Res::kIdCancel << 1 << false;
  QTest::newRow("F11 without Ctrl") << "731904" << 0 << Res::kIdOk << 0 << false;
  QTest::newRow("Shift+F11") << "731904" << int(Qt::ShiftModifier) << Res::kIdOk << 0 << false;
}

void MenuUnlockTest::unlock() {
  QFETCH(QString, password);
  QFETCH(int, modifiers);
  QFETCH(int, button);
  QFETCH(int, dialogs);
  QFETCH(bool, unlocked);

  ShellFixture shell;
  QVERIFY(shell.Start());
  shell.modal = TypePassword(password, button);
  // The key goes wherever the focus is in the main window: here the tree.
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  QTest::keyClick(tree, Qt::Key_F11, Qt::KeyboardModifiers(modifiers));
  QCOMPARE(shell.modalCount, dialogs);
  QCOMPARE(g_bServiceMode, unlocked);
  QCOMPARE(MenuCommands(shell.Frame()->CurrentMenus().at(1)), unlocked ? kEditAfter : kEditBefore);
  QCOMPARE(shell.Frame()->NavRoot()->childCount(), unlocked ? 5 : 3);
}

void MenuUnlockTest::secondUnlockAddsNothing() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  shell.modal = TypePassword(QStringLiteral("731904"), Res::kIdOk);
  QTest::keyClick(shell.Frame(), Qt::Key_F11, Qt::ControlModifier);
  QTest::keyClick(shell.Frame(), Qt::Key_F11, Qt::ControlModifier);
  QCOMPARE(shell.modalCount, 2);
  QCOMPARE(MenuCommands(shell.Frame()->CurrentMenus().at(1)), kEditAfter);
  QCOMPARE(shell.Frame()->NavRoot()->childCount(), 5);
}

void MenuUnlockTest::serviceTextsFollowTheLanguage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QStringList>("texts");
  QTest::newRow("English") << "English" << QStringList{"Power Adjustment", "Parameter Adjustment"};
  QTest::newRow("Chinese") << "Chinese" << QStringList{"功率调整", "参数调整"};
  QTest::newRow("chinese") << "chinese" << QStringList{"功率调整", "参数调整"};
}

void MenuUnlockTest::serviceTextsFollowTheLanguage() {
  QFETCH(QString, language);
  QFETCH(QStringList, texts);

  ShellFixture shell(MakeProfile(language.toStdString()));
  QVERIFY(shell.Start());
  shell.modal = TypePassword(QStringLiteral("731904"), Res::kIdOk);
  QTest::keyClick(shell.Frame(), Qt::Key_F11, Qt::ControlModifier);
  const QList<QAction*> all = shell.Frame()->CurrentMenus().at(1)->actions();
  QCOMPARE(MenuCommands(shell.Frame()->CurrentMenus().at(1)).size(), kEditAfter.size());
  const QList<QAction*> edit = all.mid(all.size() - 2);  // the service items come last
  QCOMPARE((QStringList{edit[0]->text(), edit[1]->text()}), texts);
  QCOMPARE(ChildTexts(shell.Frame()->NavRoot()).mid(3), texts);
  QVERIFY(edit[0]->isEnabled() == shell.Frame()->IsCommandEnabled(Cmd::kPowerAdjust));
}

void MenuUnlockTest::passwordFieldTakesEightCharacters() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  QString typed;
  shell.modal = TypePassword(QStringLiteral("7319041234"), Res::kIdOk, &typed);
  QTest::keyClick(shell.Frame(), Qt::Key_F11, Qt::ControlModifier);
  QCOMPARE(typed, QStringLiteral("73190412"));
  QVERIFY(!g_bServiceMode);

  CPasswordDlg dialog;
  QCOMPARE(dialog.m_pEdit->echoMode(), QLineEdit::Password);
}

void MenuUnlockTest::passwordNeedsTheServiceChoice() {
  // The dialog lets the password through only when asked for it.
  for (int choice : {0, 1, 2, 3}) {
    CPasswordDlg dialog;
    dialog.m_nPasswordChoice = choice;
    dialog.m_pEdit->setText(QStringLiteral("731904"));
    dialog.OnOK();
    QCOMPARE(dialog.result(), choice == 2 ? int(QDialog::Accepted) : int(QDialog::Rejected));
  }
}

QTEST_MAIN(MenuUnlockTest)
#include "MenuUnlockTest.moc"
