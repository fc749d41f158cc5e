// The channel table view: filled from the image and stored back, its title
// line and headers, the radio type and band between image and settings
// store, the main window's caption and the band limits.
#include <QLabel>
#include <QTest>

#include "ViewProfile.h"
#include "core/files/DataFile.h"
#include "core/files/ProgramDoc.h"
#include "core/profile/ProfileFile.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/UserSettings.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ShellFixture.h"

namespace {

// An image with channel 1 set, channel 2 with a receive frequency only and
// a tone, the rest erased; of type `type` and band `band`.
RadioImage SampleImage(int type, int band) {
  RadioImage image;
  const std::uint8_t channel1[16] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                     0x75, 0x03, 0x13, 0x28, 0xE7, 0x8F, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) image[0x10 + i] = channel1[i];
  const std::uint8_t channel2[12] = {0x00, 0x00, 0x00, 0x44, 0xFF, 0xFF, 0xFF, 0xFF, 0x75, 0x03, 0xFF, 0xFF};
  for (int i = 0; i < 12; ++i) image[0x20 + i] = channel2[i];
  image[ImageMap::kProductType] = static_cast<std::uint8_t>(type);
  image[ImageMap::kProductBand] = static_cast<std::uint8_t>(band);
  return image;
}

}  // namespace

class ChannelViewTest : public QObject {
  Q_OBJECT
 private slots:
  void layout_data();
  void layout();
  void refreshAndStore();
  void productSync_data();
  void productSync();
};

void ChannelViewTest::layout_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QStringList>("headers");

  QTest::newRow("English") << "English"
                           << "16-Channel FM Radio"
                           << QStringList{"CH",  "Rx Frequency", "Tx Frequency", "QT/DQT Dec", "QT/DQT Enc",
                                          "W/N", "Scan",         "Busy Lock",    "Power"};
  QTest::newRow("Chinese") << "Chinese"
                           << "16 信道调频电台"
                           << QStringList{"信道",  "接收频率", "发射频率", "QT/DQT解码", "QT/DQT编码",
                                          "宽/窄", "扫描",     "繁忙锁定", "功率"};
}

void ChannelViewTest::layout() {
  QFETCH(QString, language);
  QFETCH(QString, title);
  QFETCH(QStringList, headers);

  ShellFixture shell(ViewProfile(language.toStdString()));
  QVERIFY(shell.Start());
  CProgramView* view = shell.Frame()->ActiveView();
  CMSFlexGrid* grid = view->Grid();
  QCOMPARE(grid->GetRows(), 17);
  QCOMPARE(grid->GetCols(), 9);
  QStringList seen;
  for (int c = 0; c < 9; ++c) seen << grid->GetTextMatrix(0, c);
  QCOMPARE(seen, headers);
  QCOMPARE(grid->GetTextMatrix(1, 0), QStringLiteral(" 1"));
  QCOMPARE(grid->GetTextMatrix(16, 0), QStringLiteral("16"));
  QCOMPARE(grid->ForeColorFixed(), QColor(0, 50, 240));

  QCOMPARE(view->TitleLine()->text(), title);
  QCOMPARE(view->TitleLine()->palette().color(QPalette::WindowText), QColor(250, 10, 10));
  QCOMPARE(view->TitleLine()->font().pointSize(), 12);

  // Widths from the first column's width w: 0.51w, 1.2w, ..., truncated.
  const int w = grid->GetColWidth(1) * 10 / 12;
  QVERIFY(qAbs(grid->GetColWidth(5) - w) <= 20);
  QVERIFY(qAbs(grid->GetColWidth(6) - w * 8 / 10) <= 20);
  QVERIFY(qAbs(grid->GetColWidth(0) - w * 51 / 100) <= 20);
  // Every cell fits: the window need not scroll to show the table.
  QVERIFY(grid->viewport()->height() >= grid->rowViewportPosition(15) + grid->rowHeight(15));
  QVERIFY(grid->viewport()->width() >= grid->columnViewportPosition(7) + grid->columnWidth(7));
}

void ChannelViewTest::refreshAndStore() {
  ShellFixture shell(ViewProfile("English"));
  const RadioImage image = SampleImage(0, 0);
  shell.Write("radio.dat", DataFileBytes(image));
  QVERIFY(shell.Start({QString::fromStdString(shell.FilePath("radio.dat"))}));
  CProgramView* view = shell.Frame()->ActiveView();
  const ChannelTable table = view->Table();
  QVERIFY(table == TableFromImage(image, Language::English));
  QCOMPARE(view->Grid()->GetTextMatrix(1, 1), QStringLiteral("446.00625"));
  QCOMPARE(view->Grid()->GetTextMatrix(2, 3), QStringLiteral("88.5"));
  QCOMPARE(view->Grid()->GetTextMatrix(2, 5), QString());

  // Storing the unchanged table writes what the core's store writes.
  RadioImage expected = image;
  StoreTableToImage(table, expected);
  view->StoreToImage();
  QVERIFY(view->GetDocument()->image == expected);
  QVERIFY(!view->GetDocument()->IsModified());

  // A table set from outside reaches the image at the next store.
  ChannelTable changed = table;
  changed[2] = ChannelRow{" 3", "440.00000", "441.00000", "D023N", "None", "Narrow", "No", "Carrier", "Low"};
  view->SetTable(changed);
  QVERIFY(view->GetDocument()->IsModified());
  view->StoreToImage();
  QVERIFY(TableFromImage(view->GetDocument()->image, Language::English) == changed);

  // Refreshing shows the image again and forgets the change.
  view->GetDocument()->image = image;
  view->RefreshFromImage();
  QVERIFY(view->Table() == table);
  QVERIFY(!view->GetDocument()->IsModified());
}

void ChannelViewTest::productSync_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<bool>("newDocument");
  QTest::addColumn<QList<int>>("stored");  // "Type", "Field" before; -1: none
  QTest::addColumn<QList<int>>("image");   // productType, productBand of the file
  QTest::addColumn<QList<int>>("shown");   // productType, productBand afterwards
  QTest::addColumn<QList<int>>("after");   // "Type", "Field" afterwards
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QList<qlonglong>>("limits");

  QTest::newRow("new document takes the store")
      << "English" << true << QList<int>{0, 1} << QList<int>{} << QList<int>{0, 1} << QList<int>{0, 1}
      << "Quillmoor Programmer  [ Type:QR-450  Fre:450-520MHz ]" << QList<qlonglong>{45000000, 52100000};
  QTest::newRow("new document, empty store")
      << "English" << true << QList<int>{-1, -1} << QList<int>{} << QList<int>{0, 0} << QList<int>{-1, -1}
      << "Quillmoor Programmer  [ Type:QR-450  Fre:400-470MHz ]" << QList<qlonglong>{40000000, 47100000};
  QTest::newRow("opened file records its own")
      << "Chinese" << false << QList<int>{0, 1} << QList<int>{1, 0} << QList<int>{1, 0} << QList<int>{1, 0}
      << "奎尔摩写频软件  [ 类型:QR-160  频率:136-174MHz ]" << QList<qlonglong>{13600000, 17500000};
  QTest::newRow("band beyond the list takes the last")
      << "English" << false << QList<int>{0, 0} << QList<int>{0, 5} << QList<int>{0, 5} << QList<int>{0, 5}
      << "Quillmoor Programmer  [ Type:QR-450  Fre:450-520MHz ]" << QList<qlonglong>{45000000, 52100000};
}

void ChannelViewTest::productSync() {
  QFETCH(QString, language);
  QFETCH(bool, newDocument);
  QFETCH(QList<int>, stored);
  QFETCH(QList<int>, image);
  QFETCH(QList<int>, shown);
  QFETCH(QList<int>, after);
  QFETCH(QString, caption);
  QFETCH(QList<qlonglong>, limits);

  ShellFixture shell(ViewProfile(language.toStdString()));
  g_profile.Load(shell.FilePath("Program.ini"), ProfileOptions::IgnoreCase);
  if (stored[0] >= 0) WriteUserNumber("Type", stored[0]);
  if (stored[1] >= 0) WriteUserNumber("Field", stored[1]);
  QStringList arguments;
  if (!newDocument) {
    shell.Write("radio.dat", DataFileBytes(SampleImage(image[0], image[1])));
    arguments << QString::fromStdString(shell.FilePath("radio.dat"));
  }
  QVERIFY(shell.Start(arguments));
  CProgramView* view = shell.Frame()->ActiveView();
  const RadioImage& result = view->GetDocument()->image;
  QCOMPARE(QList<int>({result.productType(), result.productBand()}), shown);
  QCOMPARE(QList<int>({ReadUserNumber("Type", -1), ReadUserNumber("Field", -1)}), after);
  QCOMPARE(shell.Frame()->windowTitle(), caption);
  QCOMPARE(QList<qlonglong>({view->GetBandLimits().lower, view->GetBandLimits().upper}), limits);
}

QTEST_MAIN(ChannelViewTest)
#include "ChannelViewTest.moc"
