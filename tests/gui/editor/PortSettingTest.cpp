// The Port Setting dialog: which ports it offers, which one it checks, what
// OK and Cancel leave behind, and the stored port each new channel window
// takes up.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <memory>

#include "core/link/SerialPort.h"
#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ComSetupDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/UserSettings.h"
#include "support/Pty.h"
#include "support/ShellFixture.h"

class PortSettingTest : public QObject {
  Q_OBJECT
 private slots:
  void portDialog_data();
  void portDialog();
  void storeStaysInTheConfigFolder_data();
  void storeStaysInTheConfigFolder();
  void storeOfAnotherKindIsLeftAlone_data();
  void storeOfAnotherKindIsLeftAlone();
  void choiceTheStoreRefuses_data();
  void choiceTheStoreRefuses();
};

void PortSettingTest::portDialog_data() {
  QTest::addColumn<int>("stored");  // 0: nothing stored
  QTest::addColumn<QList<int>>("present");
  QTest::addColumn<int>("held");   // opened by another program
  QTest::addColumn<int>("click");  // 0: no click
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("checked");  // when the dialog opens; 0: none
  QTest::addColumn<QString>("portAfter");
  QTest::addColumn<int>("storedAfter");  // 0: nothing stored

  QTest::newRow("nothing stored: COM1, kept by OK")
      << 0 << QList<int>{1, 3} << 0 << 0 << Res::kIdOk << 1 << "COM1" << 1;
  QTest::newRow("COM3 chosen") << 0 << QList<int>{1, 3} << 0 << 3 << Res::kIdOk << 1 << "COM3" << 3;
  QTest::newRow("12 stored, COM3 chosen") << 12 << QList<int>{3, 12} << 0 << 3 << Res::kIdOk << 12 << "COM3" << 3;
  QTest::newRow("12 stored, Cancel") << 12 << QList<int>{3, 12} << 0 << 3 << Res::kIdCancel << 12 << "\\\\.\\COM12"
                                     << 12;
  QTest::newRow("current port held: none checked, OK keeps it")
      << 5 << QList<int>{2, 5} << 5 << 0 << Res::kIdOk << 0 << "COM5" << 5;
  QTest::newRow("a disabled port cannot be chosen") << 0 << QList<int>{1} << 0 << 2 << Res::kIdOk << 1 << "COM1" << 1;
  QTest::newRow("17 stored: named by the rule, no button")
      << 17 << QList<int>{1} << 0 << 0 << Res::kIdOk << 0 << "\\\\.\\COM17" << 17;
}

void PortSettingTest::portDialog() {
  QFETCH(int, stored);
  QFETCH(QList<int>, present);
  QFETCH(int, held);
  QFETCH(int, click);
  QFETCH(int, button);
  QFETCH(int, checked);
  QFETCH(QString, portAfter);
  QFETCH(int, storedAfter);

  // Every port is named in [Ports]: a link to a pseudo-terminal when present,
  // a missing file otherwise, so nothing depends on this machine's devices.
  std::vector<std::unique_ptr<Pty>> ptys;
  std::string ports = "[Ports]\n";
  TempDir links;
  for (int n = 1; n <= 16; ++n) {
    const std::string link = links.file("com" + std::to_string(n));
    if (present.contains(n)) {
      ptys.push_back(std::make_unique<Pty>());
      std::filesystem::create_symlink(ptys.back()->slave(), link);
    }
    ports += "COM" + std::to_string(n) + "=" + link + "\n";
  }
  CSerialPort holder;
  if (held != 0) QCOMPARE(holder.OpenExclusive(links.file("com" + std::to_string(held))), 0);

  ShellFixture shell(MakeProfile("English") + ports);
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  QCOMPARE(QString::fromStdString(g_strPortName), QStringLiteral("COM1"));
  if (stored != 0) {
    // A new channel window takes up the stored port.
    WriteUserNumber("com", stored);
    shell.answer = QMessageBox::Ok;
    frame->OnCommand(Cmd::kFileNew);
  }

  int shownChecked = -1;
  QStringList wrong;  // ports whose state or tool tip is not as expected
  shell.modal = [&](QDialog& dialog) {
    auto* ports = qobject_cast<CComSetupDlg*>(&dialog);
    if (ports == nullptr) return static_cast<int>(QDialog::Rejected);
    shownChecked = 0;
    for (int n = 1; n <= 16; ++n) {
      QRadioButton* port = ports->PortButton(n);
      if (port->isChecked()) shownChecked = n;
      // The tool tip names the device: where the link leads, or that it is
      // missing; and for one held by another program, that it is busy.
      const QString link = QString::fromStdString(links.file("com" + std::to_string(n)));
      const QString tip = port->toolTip();
      const bool tipOk = present.contains(n) ? tip.startsWith(link + " -> /dev/pts/") &&
                                                   tip.endsWith("\nbusy: another program has it open") == (n == held)
                                             : tip == link + " (not present)";
      if (port->isEnabled() != (present.contains(n) && n != held) || !tipOk)
        wrong << QStringLiteral("COM%1 %2 \"%3\"").arg(n).arg(port->isEnabled()).arg(tip);
    }
    if (click != 0) ports->PortButton(click)->click();
    DialogButton(dialog, button)->click();
    return dialog.result();
  };
  frame->OnCommand(Cmd::kComSetup);
  QCOMPARE(shell.modalCount, 1);
  QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
  QCOMPARE(shownChecked, checked);
  QCOMPARE(QString::fromStdString(g_strPortName), portAfter);
  QCOMPARE(ReadUserNumber("com", 0), storedAfter);
}

void PortSettingTest::storeStaysInTheConfigFolder_data() {
  QTest::addColumn<QString>("appName");
  QTest::addColumn<QString>("file");  // in the configuration folder
  QTest::newRow("plain") << "Quill"
                         << "Quill.ini";
  QTest::newRow("climbing out") << "../../x"
                                << ".._.._x.ini";
  QTest::newRow("a folder below") << "a/b"
                                  << "a_b.ini";
  QTest::newRow("the parent") << ".."
                              << "Program.ini";
  QTest::newRow("empty") << ""
                         << "Program.ini";
}

// The port number goes where the backups and the profile copy go: into the
// configuration folder, whatever AppName holds.
void PortSettingTest::storeStaysInTheConfigFolder() {
  QFETCH(QString, appName);
  QFETCH(QString, file);
  ShellFixture shell;
  QVERIFY(shell.Start());
  g_profile.SetString("Setup", "AppName", appName.toStdString());
  WriteUserNumber("com", 7);
  const QString config = QString::fromStdString(shell.FilePath("config")) + "/";
  QCOMPARE(UserSettingsFile(), config + file);
  QVERIFY(QFileInfo::exists(config + file));
  QCOMPARE(ReadUserNumber("com", 0), 7);
}

void PortSettingTest::storeOfAnotherKindIsLeftAlone_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("a FIFO") << "fifo";
  QTest::newRow("a link to a device") << "device";
}

// A FIFO or a device at the store's name is no store: nothing is read from
// it (a FIFO would hold the program forever) and no write replaces it.
void PortSettingTest::storeOfAnotherKindIsLeftAlone() {
  QFETCH(QString, kind);
  ShellFixture shell;
  QVERIFY(shell.Start());
  g_profile.SetString("Setup", "AppName", "Quill");
  const std::string store = shell.FilePath("config/Quill.ini");
  const bool fifo = kind == QLatin1String("fifo");
  if (fifo) {
    QCOMPARE(::mkfifo(store.c_str(), 0600), 0);
  } else {
    // The null device's numbers, made in the test's own folder.
    if (::mknod(shell.FilePath("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
      QSKIP("making a device node needs a privilege this run does not have");
    std::filesystem::create_symlink(shell.FilePath("null"), store);
  }
  WriteUserNumber("com", 7);
  WriteUserStrings("Recent", {QStringLiteral("/x.dat")});
  QCOMPARE(ReadUserNumber("com", 3), 3);
  QVERIFY(ReadUserStrings("Recent").isEmpty());
  QCOMPARE(int(std::filesystem::symlink_status(store).type()),
           int(fifo ? std::filesystem::file_type::fifo : std::filesystem::file_type::symlink));
  QCOMPARE(int(std::filesystem::status(store).type()),
           int(fifo ? std::filesystem::file_type::fifo : std::filesystem::file_type::character));
}

void PortSettingTest::choiceTheStoreRefuses_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<QString>("setting");
  QTest::addColumn<int>("value");
  QTest::newRow("Verify After Write") << int(Cmd::kVerifyAfterWrite) << kVerifyAfterWriteSetting << 1;
  QTest::newRow("Serial Trace") << int(Cmd::kSerialTrace) << kSerialTraceSetting << 1;
  QTest::newRow("the port") << int(Cmd::kComSetup) << "com" << 3;
}

// A store that cannot be written: the user hears where and why, and the
// choice holds for the rest of the run, a new channel window included.
void PortSettingTest::choiceTheStoreRefuses() {
  QFETCH(int, command);
  QFETCH(QString, setting);
  QFETCH(int, value);
  Pty pty;
  ShellFixture shell(MakeProfile("English") + "[Ports]\nCOM3=" + pty.slave() + "\n");
  QVERIFY(shell.Start());
  std::filesystem::create_directories(UserSettingsFile().toStdString());
  shell.modal = [](QDialog& dialog) {
    auto* ports = qobject_cast<CComSetupDlg*>(&dialog);
    if (ports == nullptr) return static_cast<int>(QDialog::Rejected);
    ports->PortButton(3)->click();
    DialogButton(dialog, Res::kIdOk)->click();
    return dialog.result();
  };
  shell.Frame()->OnCommand(command);
  QCOMPARE(shell.messages.size(), std::size_t{1});
  QVERIFY2(shell.messages.front().text.contains(UserSettingsFile() + "\": not a regular file"),
           qPrintable(shell.messages.front().text));
  shell.Frame()->OnCommand(Cmd::kFileNew);
  QCOMPARE(ReadUserNumber(setting.toLatin1().constData(), 0), value);
  if (command == Cmd::kComSetup) QCOMPARE(QString::fromStdString(g_strPortName), QStringLiteral("COM3"));
}

QTEST_MAIN(PortSettingTest)
#include "PortSettingTest.moc"
