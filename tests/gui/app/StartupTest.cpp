// Start-up with the profile variants a user's "Program.ini" may hold.
#include <QAction>
#include <QImageReader>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/AboutDlg.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/settings/OptionalFeaturesDlg.h"
#include "gui/settings/PowerAdjustDlg.h"
#include "gui/settings/ProductInfoDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ShellFixture.h"

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void languageVariants_data();
  void languageVariants();
  void missingModule_data();
  void missingModule();
  void showLang_data();
  void showLang();
  void emptyCompanyAndAboutTitle();
  void menuEditsLeaveTheNoDocumentMenu();
  void commandLine_data();
  void commandLine();
  void aboutBox_data();
  void aboutBox();
  void hiddenPartsWaitForFirstUse();
  void backgroundTiles_data();
  void backgroundTiles();
};

void StartupTest::languageVariants_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("extraModule");  // copied from English.qm
  QTest::addColumn<bool>("chinese");
  QTest::addColumn<QString>("helpFile");
  QTest::addColumn<QString>("fileMenu");
  QTest::addColumn<QString>("root");
  QTest::addColumn<QString>("firstChild");
  QTest::addColumn<QString>("documentTitle");

  QTest::newRow("English") << "English"
                           << "" << false << "enHelp.chm"
                           << "&File"
                           << "Quillmoor Radio Works"
                           << "Product Information"
                           << "Channel Information";
  QTest::newRow("Chinese") << "Chinese"
                           << "" << true << "chHelp.chm"
                           << "文件(&F)"
                           << "奎尔摩无线电"
                           << "类型设置"
                           << "信道信息";
  // The module, the section and the texts built in code all take the
  // language without regard to case.
  QTest::newRow("chinese in lower case") << "chinese"
                                         << "" << true << "chHelp.chm"
                                         << "文件(&F)"
                                         << "奎尔摩无线电"
                                         << "类型设置"
                                         << "信道信息";
  QTest::newRow("another language with its module") << "German"
                                                    << "German.qm" << false << "enHelp.chm"
                                                    << "&File"
                                                    << ""
                                                    << "Product Information"
                                                    << "Channel Information";
}

void StartupTest::languageVariants() {
  QFETCH(QString, language);
  QFETCH(QString, extraModule);
  QFETCH(bool, chinese);
  QFETCH(QString, helpFile);
  QFETCH(QString, fileMenu);
  QFETCH(QString, root);
  QFETCH(QString, firstChild);
  QFETCH(QString, documentTitle);

  ShellFixture shell(MakeProfile(language.toStdString()));
  if (!extraModule.isEmpty()) shell.CopyFromBuild("English.qm", extraModule.toStdString());
  QVERIFY(shell.Start());
  QCOMPARE(g_strLanguage, language.toStdString());
  QCOMPARE(g_language == Language::Chinese, chinese);
  QCOMPARE(QString::fromStdString(g_strHelpFile), helpFile);
  QCOMPARE(g_strAppDir, shell.Folder());
  QVERIFY(shell.messages.empty());

  CMainFrame* frame = shell.Frame();
  QVERIFY(frame->isVisible());
  QVERIFY(frame->ShowsDocumentMenu());
  QCOMPARE(frame->CurrentMenus().front()->title(), fileMenu);
  QCOMPARE(frame->NavRoot()->text(0), root);
  QCOMPARE(frame->NavRoot()->childCount(), 3);
  QCOMPARE(frame->NavRoot()->child(0)->text(0), firstChild);
  QVERIFY(frame->NavRoot()->isExpanded());

  CChildFrame* child = frame->MDIGetActive();
  QVERIFY(child != nullptr);
  QCOMPARE(child->windowTitle(), documentTitle + "[*]");
  QCOMPARE(frame->Client()->subWindowList().size(), 1);
  QVERIFY(g_bNewDocument);
}

void StartupTest::missingModule_data() {
  QTest::addColumn<QString>("profileLine");
  QTest::addColumn<QString>("removeFile");
  QTest::addColumn<QString>("writeModule");  // a file of this name that is no language module
  QTest::addColumn<QString>("message");      // "%1" stands for the program folder

  const QString fail = QStringLiteral("Load language DLL fail\nLooked for \"%1");
  const QString none = QStringLiteral("\": No such file or directory");
  QTest::newRow("German without a module") << "German"
                                           << ""
                                           << "" << fail + "German.qm" + none;
  QTest::newRow("Chinese module missing")
      << "Chinese"
      << "Chinese.qm"
      << ""
      << "加载语言链接库失败\n查找的语言模块“%1Chinese.qm”：No such file or directory";
  QTest::newRow("empty language") << ""
                                  << ""
                                  << "" << fail + ".qm\": %1Program.ini names no language in [Setup] Language";
  QTest::newRow("no Program.ini") << ""
                                  << "Program.ini"
                                  << "" << fail + ".qm\": %1Program.ini did not exist, so no language is named";
  QTest::newRow("a module that is none") << "German"
                                         << ""
                                         << "German.qm" << fail + "German.qm\": not a language module";
  // A remark after "//" leaves a blank at the end of the name.
  QTest::newRow("name with a trailing blank") << "English // remark"
                                              << ""
                                              << "" << fail + "English .qm" + none;
  // A remark after ";" stays part of the value.
  QTest::newRow("semicolon remark") << "Chinese ; remark"
                                    << ""
                                    << "" << fail + "Chinese ; remark.qm" + none;
  QTest::newRow("a path is no module name") << "../English"
                                            << ""
                                            << "" << fail + "../English.qm\": a language name holds no \"/\"";
}

void StartupTest::missingModule() {
  QFETCH(QString, profileLine);
  QFETCH(QString, removeFile);
  QFETCH(QString, writeModule);
  QFETCH(QString, message);

  ShellFixture shell(MakeProfile(profileLine.toStdString()));
  if (!removeFile.isEmpty()) shell.Remove(removeFile.toStdString());
  if (!writeModule.isEmpty()) shell.Write(writeModule.toStdString(), "plain text");
  QVERIFY(!shell.Start());
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QCOMPARE(shell.messages.front().text, message.arg(QString::fromStdString(shell.Folder())));
  QCOMPARE(shell.messages.front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(shell.Frame() == nullptr);
}

void StartupTest::showLang_data() {
  QTest::addColumn<QString>("setupLines");
  QTest::addColumn<bool>("offered");

  QTest::newRow("absent") << "" << false;
  QTest::newRow("empty") << "ShowLang=\n" << false;
  QTest::newRow("zero") << "ShowLang=0\n" << false;
  QTest::newRow("one") << "ShowLang=1\n" << true;
  QTest::newRow("two") << "ShowLang=2\n" << true;
  QTest::newRow("leading digits") << "ShowLang=1 yes\n" << true;
  QTest::newRow("no digits") << "ShowLang=yes\n" << false;
  QTest::newRow("key in other case") << "showlang=1\n" << true;
}

void StartupTest::showLang() {
  QFETCH(QString, setupLines);
  QFETCH(bool, offered);

  ShellFixture shell(MakeProfile("English", setupLines.toStdString()));
  QVERIFY(shell.Start());
  const QMenu* setup = shell.Frame()->CurrentMenus().at(4);
  QCOMPARE(FindCommand(setup, Cmd::kLanguage) != nullptr, offered);
  QVERIFY(FindCommand(setup, Cmd::kComSetup) != nullptr);
}

void StartupTest::emptyCompanyAndAboutTitle() {
  std::string profile = MakeProfile("English", "ShowLang=1\n", "");
  profile.replace(profile.find("About Title=About Quillmoor"), 27, "About Title=");
  ShellFixture shell(profile);
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QCOMPARE(frame->NavRoot()->text(0), QString());

  // The About item shows an empty text and still opens the About box.
  QAction* about = frame->CurrentMenus().at(5)->actions().front();
  QCOMPARE(CMainFrame::CommandOf(about), Cmd::kAppAbout);
  QCOMPARE(about->text(), QString());
  QString aboutCaption = QStringLiteral("unset");
  shell.modal = [&](QDialog& dialog) {
    if (qobject_cast<CAboutDlg*>(&dialog) != nullptr) aboutCaption = dialog.windowTitle();
    return static_cast<int>(QDialog::Accepted);
  };
  about->trigger();
  QCOMPARE(aboutCaption, QString());

  // Message boxes have an empty caption.
  shell.answer = QMessageBox::Cancel;
  frame->OnCommand(Cmd::kFileNew);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QCOMPARE(shell.messages.front().caption, QString());
}

void StartupTest::menuEditsLeaveTheNoDocumentMenu() {
  ShellFixture shell(MakeProfile("English", "ShowLang=0\n"));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  for (const QMenu* menu : frame->Menus(true)) {
    QVERIFY(FindCommand(menu, Cmd::kPowerAdjust) == nullptr);
    QVERIFY(FindCommand(menu, Cmd::kParamAdjust) == nullptr);
    QVERIFY(FindCommand(menu, Cmd::kLanguage) == nullptr);
  }
  QCOMPARE(frame->Menus(true).at(5)->actions().front()->text(), QStringLiteral("About Quillmoor"));
  QCOMPARE(frame->Menus(false).at(2)->actions().front()->text(), QStringLiteral("&About"));
  QCOMPARE(
      MenuCommands(frame->Menus(false).at(0)),
      (std::vector<int>{Cmd::kFileNew, Cmd::kFileOpen, Cmd::kFileOpenBackup, Cmd::kFilePrintSetup, Cmd::kAppExit}));
}

void StartupTest::commandLine_data() {
  QTest::addColumn<QByteArray>("fileBytes");  // empty: no file at all
  QTest::addColumn<bool>("opened");
  QTest::addColumn<QString>("message");  // "%1" stands for the file's path

  RadioImage image;
  image[0x130] = 0x07;
  const std::string good = DataFileBytes(image);
  std::string badSignature = good;
  badSignature[3] = 0x34;
  const QString shortFile = QStringLiteral("Cannot open the file %1: the file is shorter than a data file");
  QTest::newRow("data file") << QByteArray::fromStdString(good) << true << "";
  QTest::newRow("wrong signature") << QByteArray::fromStdString(badSignature) << false << "Data Format Error";
  QTest::newRow("short file") << QByteArray::fromStdString(good.substr(0, 1039)) << false << shortFile;
  QTest::newRow("shorter than its header") << QByteArray::fromStdString(good.substr(0, 10)) << false << shortFile;
  QTest::newRow("missing file") << QByteArray() << false << "Cannot open the file %1: No such file or directory";
}

// A file that cannot be opened is reported and the program goes on with a
// new document.
void StartupTest::commandLine() {
  QFETCH(QByteArray, fileBytes);
  QFETCH(bool, opened);
  QFETCH(QString, message);

  ShellFixture shell;
  if (!fileBytes.isEmpty()) shell.Write("radio.dat", fileBytes.toStdString());
  const QString path = QString::fromStdString(shell.FilePath("radio.dat"));
  QVERIFY(shell.Start({path}));
  QCOMPARE(shell.messages.empty(), message.isEmpty());
  if (!message.isEmpty()) QCOMPARE(shell.messages.front().text, QString(message).replace(QLatin1String("%1"), path));
  CChildFrame* child = shell.Frame()->MDIGetActive();
  QVERIFY(child != nullptr);
  QCOMPARE(shell.Frame()->Client()->subWindowList().size(), 1);
  QCOMPARE(child->windowTitle(), opened ? QStringLiteral("radio.dat[*]") : QStringLiteral("Channel Information[*]"));
  QCOMPARE(child->Document()->image[0x130], static_cast<std::uint8_t>(opened ? 0x07 : 0x03));
  QCOMPARE(g_bNewDocument, !opened);
}

void StartupTest::aboutBox_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("icon");  // "title.ico": "build" the shipped one, "" none, else this text
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("version");
  QTest::addColumn<QString>("owner");

  QTest::newRow("English with title.ico") << "English"
                                          << "build"
                                          << "About Quillmoor"
                                          << "Version 1.0"
                                          << "Quillmoor Radio Works";
  QTest::newRow("Chinese without title.ico") << "Chinese"
                                             << ""
                                             << "关于奎尔摩"
                                             << "1.0 版"
                                             << "奎尔摩无线电";
  QTest::newRow("title.ico that is no image") << "English"
                                              << "plain text"
                                              << "About Quillmoor"
                                              << "Version 1.0"
                                              << "Quillmoor Radio Works";
}

void StartupTest::aboutBox() {
  QFETCH(QString, language);
  QFETCH(QString, icon);
  QFETCH(QString, caption);
  QFETCH(QString, version);
  QFETCH(QString, owner);

  ShellFixture shell(MakeProfile(language.toStdString()));
  const bool withIcon = icon == "build";
  if (withIcon)
    shell.CopyFromBuild("title.ico", "title.ico");
  else if (!icon.isEmpty())
    shell.Write("title.ico", icon.toStdString());
  QVERIFY(shell.Start());
  if (withIcon) {
    // The main window's icon holds every size the file has.
    const int sizes = QImageReader(QString::fromStdString(shell.FilePath("title.ico"))).imageCount();
    QVERIFY(sizes > 1);
    QCOMPARE(shell.Frame()->windowIcon().availableSizes().size(), sizes);
  }
  bool seen = false;
  shell.modal = [&](QDialog& dialog) {
    auto* about = qobject_cast<CAboutDlg*>(&dialog);
    if (about == nullptr) return static_cast<int>(QDialog::Rejected);
    seen = true;
    [&] {
      QCOMPARE(about->windowTitle(), caption);
      QCOMPARE(about->m_pVersion->text(), version);
      QCOMPARE(about->m_pOwner->text(), owner);
      QCOMPARE(about->m_bIconFromFile, withIcon);
      QVERIFY(!about->m_pIcon->pixmap().isNull());
    }();
    return static_cast<int>(QDialog::Accepted);
  };
  shell.Frame()->OnCommand(Cmd::kAppAbout);
  QVERIFY(seen);
}

void StartupTest::hiddenPartsWaitForFirstUse() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  CProgramView* view = frame->ActiveView();
  const auto built = [&] {
    return QList<qsizetype>{view->Editor(2127) != nullptr, frame->findChildren<COptionalFeaturesDlg*>().size(),
                            frame->findChildren<CProductInfoDlg*>().size(),
                            frame->findChildren<CPowerAdjustDlg*>().size()};
  };
  QCOMPARE(built(), (QList<qsizetype>{0, 0, 0, 0}));
  // The editors come with the first edit; a dialog with its first command,
  // and the second use finds the same one.
  view->Grid()->SetCurrentCell(1, 1);
  QVERIFY(view->IsEditing());
  frame->OnCommand(Cmd::kOptionalFeatures);
  frame->OnCommand(Cmd::kProductInformation);
  frame->OnCommand(Cmd::kProductInformation);
  QCOMPARE(shell.modalCount, 3);
  QCOMPARE(built(), (QList<qsizetype>{1, 1, 1, 0}));
}

void StartupTest::backgroundTiles_data() {
  QTest::addColumn<QSize>("tile");
  QTest::newRow("tiles, the last ones cut") << QSize(7, 5);
  QTest::newRow("larger than the area: once, clipped") << QSize(300, 200);
}

void StartupTest::backgroundTiles() {
  QFETCH(QSize, tile);
  ShellFixture shell;
  QImage bitmap(tile, QImage::Format_RGB32);
  for (int y = 0; y < tile.height(); ++y)
    for (int x = 0; x < tile.width(); ++x) bitmap.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x + y) * 11 % 256));
  QVERIFY(bitmap.save(QString::fromStdString(shell.FilePath("background.bmp"))));
  g_strAppDir = shell.Folder();

  CBackgroundClient client;
  client.resize(123, 71);
  client.show();
  QVERIFY(QTest::qWaitForWindowExposed(&client));
  const QImage shown = client.viewport()->grab().toImage();
  QVERIFY(!shown.isNull());
  int wrong = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      wrong += shown.pixel(x, y) != bitmap.pixel(x % tile.width(), y % tile.height());
  QCOMPARE(wrong, 0);
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
