// Print, Print Preview and Print Setup from the frame, each dialog answered
// by the test the way a person would.
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTest>

#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/FeatureCommands.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/print/PrintCommands.h"
#include "support/ShellFixture.h"

namespace {

// A data file with channels 1-9 in use: three printed pages.
std::string NineChannelFile() {
  RadioImage image = BuiltInDefaults();
  for (int n = 1; n <= 9; ++n) {
    const std::uint8_t rec[] = {0x00, 0x50, 0x62, 0x44, 0x00, 0x50, 0x62, 0x44};  // 446.25000
    for (std::size_t i = 0; i < sizeof rec; ++i) image[static_cast<std::size_t>(0x10 * n) + i] = rec[i];
  }
  return DataFileBytes(image);
}

// The text of each page, through pdftotext.
QStringList PdfPages(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(20000)) return {};
  QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
  pages.removeLast();  // after the last page's form feed
  return pages;
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void commandsFollowTheChannelWindow();
  void printoutTakesTheTable();
  void printWritesTheChosenPages_data();
  void printWritesTheChosenPages();
  void previewShowsEveryPage();
};

void PrintCommandsTest::commandsFollowTheChannelWindow() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  for (int command : {Cmd::kFilePrint, Cmd::kFilePrintPreview, Cmd::kFilePrintSetup})
    QVERIFY2(frame->IsCommandEnabled(command), qPrintable(QString::number(command)));

  delete frame->MDIGetActive();
  frame->UpdateMenuForDocuments();
  QVERIFY(!frame->IsCommandEnabled(Cmd::kFilePrint));
  QVERIFY(!frame->IsCommandEnabled(Cmd::kFilePrintPreview));
  QVERIFY(frame->IsCommandEnabled(Cmd::kFilePrintSetup));

  QString seen;
  shell.modal = [&seen](QDialog& dialog) {
    seen = QString::fromLatin1(dialog.metaObject()->className());
    return int(QDialog::Rejected);
  };
  frame->OnCommand(Cmd::kFilePrint);
  QCOMPARE(shell.modalCount, 0);
  frame->OnCommand(Cmd::kFilePrintSetup);
  QCOMPARE(seen, QStringLiteral("QPageSetupDialog"));
}

// Pages 2 to 3 of 3 chosen and "Print to File" in the dialog.
// The channels print as the table shows them, an edit not yet stored in the
// image included.
void PrintCommandsTest::printoutTakesTheTable() {
  ShellFixture shell;
  shell.Write("nine.dat", NineChannelFile());
  QVERIFY(shell.Start({QString::fromStdString(shell.FilePath("nine.dat"))}));
  CProgramView* view = shell.Frame()->ActiveView();
  ChannelTable table = view->Table();
  table[1][kColTxFrequency] = "440.00000";
  view->SetTable(table);
  const std::optional<PrintoutSource> source = ActivePrintoutSource(*shell.Frame());
  QVERIFY(source.has_value());
  QVERIFY(source->table == table);
}

void PrintCommandsTest::printWritesTheChosenPages_data() {
  QTest::addColumn<bool>("device");  // the file chosen is a device node
  QTest::newRow("a file") << false;
  // "Print to File" saves like every other file: a device stays a device.
  QTest::newRow("a device") << true;
}

void PrintCommandsTest::printWritesTheChosenPages() {
  QFETCH(bool, device);
  ShellFixture shell;
  shell.Write("nine.dat", NineChannelFile());
  QVERIFY(shell.Start({QString::fromStdString(shell.FilePath("nine.dat"))}));
  const QString pdf = QString::fromStdString(shell.FilePath("out.pdf"));
  if (device && ::mknod(shell.FilePath("out.pdf").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
    QSKIP("making a device node needs root");
  int minPage = -1;
  int maxPage = -1;
  shell.modal = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    if (print == nullptr) return int(QDialog::Rejected);
    minPage = print->minPage();
    maxPage = print->maxPage();
    QPrinter* printer = print->printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(2, 3);
    return int(QDialog::Accepted);
  };
  shell.Frame()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(shell.Frame()));
  QTest::keyClick(shell.Frame(), Qt::Key_P, Qt::ControlModifier);
  QCOMPARE(shell.modalCount, 1);
  QCOMPARE(minPage, 1);
  QCOMPARE(maxPage, 3);

  if (device) {
    QCOMPARE(shell.messages.size(), std::size_t{1});
    QCOMPARE(shell.messages.front().text, "Cannot save the file " + pdf + ": not a regular file");
    struct stat st {};
    QCOMPARE(::stat(shell.FilePath("out.pdf").c_str(), &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));
    return;
  }
  QCOMPARE(shell.messages.size(), std::size_t{0});
  const QStringList pages = PdfPages(pdf);
  QCOMPARE(pages.size(), 2);
  QVERIFY2(
      pages[0].contains(QStringLiteral("Quillmoor Radio Works")) && pages[0].contains(QStringLiteral("Page 2 of 3")),
      qPrintable(pages[0]));
  QVERIFY2(pages[1].contains(QStringLiteral("Channel 9:")) && pages[1].contains(QStringLiteral("Page 3 of 3")),
           qPrintable(pages[1]));
}

void PrintCommandsTest::previewShowsEveryPage() {
  ShellFixture shell;
  shell.Write("nine.dat", NineChannelFile());
  QVERIFY(shell.Start({QString::fromStdString(shell.FilePath("nine.dat"))}));
  int pages = -1;
  shell.modal = [&pages](QDialog& dialog) {
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
      preview->updatePreview();
      pages = preview->pageCount();
    }
    return int(QDialog::Rejected);
  };
  shell.Frame()->OnCommand(Cmd::kFilePrintPreview);
  QCOMPARE(pages, 3);
}

QTEST_MAIN(PrintCommandsTest)
#include "PrintCommandsTest.moc"
