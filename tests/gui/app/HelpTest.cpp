// Help requests: which file and which context each place asks for, and the
// help window that shows the topic (or nothing).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/HtmlHelp.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/LanguageDlg.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/AppGlobals.h"
#include "gui/widgets/ControlId.h"
#include "support/ShellFixture.h"

class HelpTest : public QObject {
  Q_OBJECT
 private slots:
  void requests_data();
  void requests();
  void helpWindow_data();
  void helpWindow();
  void helpBesideAModalDialog();
  void languageModules_data();
  void languageModules();
};

namespace {
enum Trigger { LanguageDialogF1, MainWindowF1, MenuItemF1, ViewControlF1 };
}

void HelpTest::requests_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("trigger");
  QTest::addColumn<QString>("file");
  QTest::addColumn<uint>("context");

  QTest::newRow("Language dialog, English") << "English" << int(LanguageDialogF1) << "enHelp.chm" << 32799u;
  QTest::newRow("Language dialog, Chinese") << "Chinese" << int(LanguageDialogF1) << "chHelp.chm" << 32799u;
  QTest::newRow("Language dialog, chinese") << "chinese" << int(LanguageDialogF1) << "chHelp.chm" << 32799u;
  QTest::newRow("main window") << "English" << int(MainWindowF1) << "enHelp.chm" << 65664u;
  QTest::newRow("menu item") << "Chinese" << int(MenuItemF1) << "chHelp.chm" << 32787u;
  QTest::newRow("focused control of the view") << "English" << int(ViewControlF1) << "enHelp.chm" << 1000u;
}

void HelpTest::requests() {
  QFETCH(QString, language);
  QFETCH(int, trigger);
  QFETCH(QString, file);
  QFETCH(uint, context);

  ShellFixture shell(MakeProfile(language.toStdString()));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  switch (trigger) {
    case LanguageDialogF1:
      shell.modal = [](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        dialog.reject();
        return dialog.result();
      };
      frame->OnCommand(Cmd::kLanguage);
      break;
    case MainWindowF1: QTest::keyClick(frame, Qt::Key_F1); break;
    case MenuItemF1: {
      QMenu* edit = frame->CurrentMenus().at(1);
      edit->popup(frame->mapToGlobal(QPoint(40, 40)));
      QVERIFY(QTest::qWaitForWindowExposed(edit));
      edit->setActiveAction(FindCommand(edit, Cmd::kChannelInformation));
      QTest::keyClick(edit, Qt::Key_F1);
      edit->hide();
      break;
    }
    case ViewControlF1: {
      CProgramView* view = frame->ActiveView();
      auto* grid = new QWidget(view);
      SetControlId(grid, Res::kCtlChannelGrid);
      grid->setFocusPolicy(Qt::StrongFocus);
      grid->show();
      frame->activateWindow();
      grid->setFocus();
      QTRY_COMPARE(QApplication::focusWidget(), grid);
      QTest::keyClick(grid, Qt::Key_F1);
      break;
    }
  }
  QCOMPARE(shell.help.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(shell.help.front().file), file);
  QCOMPARE(shell.help.front().command, 0x000Fu);
  QCOMPARE(shell.help.front().context, std::uint32_t{context});
}

void HelpTest::helpWindow_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("fileThere");
  QTest::addColumn<uint>("command");
  QTest::addColumn<uint>("context");
  QTest::addColumn<bool>("shown");

  QTest::newRow("English topic") << "enHelp.chm" << true << 0x0Fu << 32799u << true;
  QTest::newRow("Chinese topic") << "chHelp.chm" << true << 0x0Fu << 1000u << true;
  QTest::newRow("main window topic") << "enHelp.chm" << true << 0x0Fu << 65664u << true;
  QTest::newRow("no such topic") << "enHelp.chm" << true << 0x0Fu << 4242u << false;
  QTest::newRow("no help file") << "enHelp.chm" << false << 0x0Fu << 32799u << false;
  QTest::newRow("other help command") << "enHelp.chm" << true << 0x01u << 32799u << false;
  QTest::newRow("unknown file name") << "deHelp.chm" << true << 0x0Fu << 32799u << false;
}

void HelpTest::helpWindow() {
  QFETCH(QString, file);
  QFETCH(bool, fileThere);
  QFETCH(uint, command);
  QFETCH(uint, context);
  QFETCH(bool, shown);

  ShellFixture shell;
  QVERIFY(shell.Start());
  SetHtmlHelpSink({});  // the real help window
  if (!fileThere) shell.Remove(QString(file).replace(".chm", ".html").toStdString());
  QWidget* window = CallHtmlHelp(shell.Frame(), file.toStdString(), command, context);
  QCOMPARE(window != nullptr, shown);
  if (!shown) return;
  auto* help = qobject_cast<CHelpWindow*>(window);
  QVERIFY(help != nullptr);
  QVERIFY(help->isVisible());
  QCOMPARE(help->CurrentContext(), std::uint32_t{context});
  QVERIFY(help->CurrentFile().endsWith(QString(file).replace(".chm", ".html")));
  // Escape closes it, from the text it shows.
  QTest::keyClick(help->findChild<QTextBrowser*>(), Qt::Key_Escape);
  QVERIFY(!help->isVisible());
}

// A modal dialog blocks every window but its own: help asked for while it
// runs belongs to it, and to the main window again once it closed.
void HelpTest::helpBesideAModalDialog() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  SetHtmlHelpSink({});
  QDialog dialog(shell.Frame());
  dialog.setModal(true);
  dialog.show();
  QCOMPARE(QApplication::activeModalWidget(), &dialog);
  QWidget* help = CallHtmlHelp(shell.Frame(), "enHelp.chm", 0x0F, 32799);
  QVERIFY(help != nullptr && help->isVisible());
  QCOMPARE(help->parentWidget(), &dialog);
  QVERIFY(help->isWindow());
  dialog.accept();
  QCOMPARE(help->parentWidget(), shell.Frame());
  QVERIFY(help->isVisible() && help->isWindow());
  QCOMPARE(ExistingHelpWindow(), help);
  help->close();
}

void HelpTest::languageModules_data() {
  QTest::addColumn<QString>("module");
  QTest::newRow("English") << "English.qm";
  QTest::newRow("Chinese") << "Chinese.qm";
}

void HelpTest::languageModules() {
  // Every resource text the program knows is in each module; the English
  // module says exactly what the program carries.
  QFETCH(QString, module);
  QTranslator translator;
  QVERIFY(translator.load(QString::fromStdString(BuildProgramFolder()) + module));
  const bool english = module == QStringLiteral("English.qm");
  int cjk = 0;
  for (const ResourceEntry& entry : ResourceCatalogue()) {
    const QString text = translator.translate("Resources", entry.key);
    QVERIFY2(!text.isEmpty(), entry.key);
    if (english) QCOMPARE(text, QString::fromUtf8(entry.text.Form(Language::English)));
    for (QChar c : text) cjk += c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF ? 1 : 0;
  }
  QCOMPARE(cjk > 0, !english);
  // The texts programcli prints too are the core's, word for word.
  for (const ResourceEntry& core : ResourceCatalogue())
    QCOMPARE(translator.translate("Resources", core.key),
             QString::fromUtf8(core.text.Form(english ? Language::English : Language::Chinese)));
}

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
