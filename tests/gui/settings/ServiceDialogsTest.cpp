// The Power Adjustment and Param Adjust dialogs on a running program in
// service mode: the grids a band gives, the cell editors, which bytes OK
// changes, Cancel, and Read and Write against the simulated radio.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>
#include <optional>

#include "DialogShell.h"
#include "RadioSim.h"
#include "core/link/TransferRanges.h"
#include "core/shell/ResourceIds.h"
#include "gui/settings/ParamAdjustDlg.h"
#include "gui/settings/PowerAdjustDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ScopedProgramState.h"
#include "support/TempDir.h"

namespace {

// A simulated radio at full speed on a pseudo-terminal of its own.
struct SimRadio {
  SimRadio(const RadioImage& memory, const QString& fault) {
    SimOptions options;
    options.baud = 0;
    options.linkPath = dir.file("radio");
    options.faults.silent = fault == QLatin1String("silent");
    if (fault.startsWith(QLatin1String("refuse-block:"))) options.faults.refuseBlockAt = fault.mid(13).toInt();
    sim = std::make_unique<CRadioSim>(memory, options);
    std::string error;
    if (!sim->Open(error)) qFatal("%s", error.c_str());
    sim->Start();
  }
  ~SimRadio() { sim->Stop(); }
  TempDir dir;
  std::unique_ptr<CRadioSim> sim;
};

// Short time-outs, so that a silent radio fails within a second, yet long
// enough for a radio answering late on a loaded machine.
LinkSettings FastServiceSettings(Direction direction) {
  LinkSettings s = ServiceLinkSettings(direction == Direction::Write);
  s.port.readIntervalMs = 100;
  s.port.readTotalPerByteMs = 10;
  s.port.readTotalConstantMs = 200;
  return s;
}

// Every byte of the service areas different from the radio's below.
RadioImage ServiceImage() {
  RadioImage image;
  for (std::size_t a = 0x300; a < 0x320; ++a) image[a] = 50;
  image[0x30D] = 0;                                    // below its range: shows 1
  image[0x30E] = 0x8F;                                 // magnitude 15: shows 0
  const std::uint8_t tx[] = {20, 50, 10, 50, 20, 20};  // in range
  for (std::size_t i = 0; i < 6; ++i) image[0x315 + i] = tx[i];
  for (std::size_t a = 0x3E0; a < 0x3FB; ++a) image[a] = 100;
  return image;
}

RadioImage RadioMemory() {
  RadioImage memory;
  for (std::size_t a = 0; a < memory.size(); ++a) memory[a] = static_cast<std::uint8_t>(a * 7 + 3);
  for (std::size_t a = 0x300; a < 0x320; ++a) memory[a] = static_cast<std::uint8_t>(10 + a % 16);
  return memory;
}

QPoint CellCentre(const CMSFlexGrid* grid, int row, int col) {
  return grid->visualRect(grid->model()->index(row - 1, col - 1)).center();
}

QStringList Column(const CMSFlexGrid* grid, int col) {
  QStringList texts;
  for (int r = 0; r < grid->GetRows(); ++r) texts << grid->GetTextMatrix(r, col);
  return texts;
}

struct ServiceShell : DialogShell {
  explicit ServiceShell(const QString& language, const QString& band) : DialogShell(language.toStdString()) {
    if (!Start()) return;
    g_bServiceMode = true;
    view->SetBandLimits(BandLimitsFromText(band.toStdString()));
    Image() = ServiceImage();
    Doc().SetModifiedFlag(false);
  }
};

}  // namespace

class ServiceDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    m_state.emplace();
    SetServiceDialogLinkSettings(FastServiceSettings);
  }
  void cleanup() { m_state.reset(); }
  void powerGrid_data();
  void powerGrid();
  void paramOpenAndClose_data();
  void paramOpenAndClose();
  void paramEditors();
  void escape_data();
  void escape();
  void powerRunStartsAfresh();
  void transfer_data();
  void transfer();

 private:
  // The service transfers' short time-outs, for one test at a time.
  std::optional<CScopedProgramState> m_state;
};

void ServiceDialogsTest::powerGrid_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("band");
  QTest::addColumn<QStringList>("rows");  // column 0, header first
  QTest::addColumn<QPoint>("cell");       // column, row edited
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");        // that ends the edit
  QTest::addColumn<QString>("shown");  // in the cell afterwards
  QTest::addColumn<int>("rowAfter");
  QTest::addColumn<int>("button");
  QTest::addColumn<QStringList>("changed");

  const int ok = Res::kIdOk;
  QTest::newRow("130-160, too high") << "English"
                                     << "130 - 160MHz" << QStringList{"", "130", "140", "150", "160"} << QPoint(3, 4)
                                     << "300" << int(Qt::Key_Return) << "255" << 4 << ok << QStringList{"03EB=FF"};
  QTest::newRow("420-450 from entry 2, negative, Tab")
      << "English"
      << "420-450MHz" << QStringList{"", "420", "430", "440", "450"} << QPoint(1, 1) << "-5" << int(Qt::Key_Tab) << "0"
      << 1 << ok << QStringList{"03E6=00"};
  QTest::newRow("450-520 cut at the table's end, Chinese")
      << "Chinese"
      << "450-520MHz" << QStringList{"", "450", "460", "470", "480"} << QPoint(3, 4) << "7" << int(Qt::Key_Return)
      << "7" << 4 << ok << QStringList{"03FA=07"};
  QTest::newRow("Enter goes on to the next row; Cancel")
      << "English"
      << "400-480MHz" << QStringList{"", "400", "410", "420", "430", "440", "450", "460", "470", "480"} << QPoint(2, 2)
      << "9" << int(Qt::Key_Return) << "9" << 3 << int(Res::kIdCancel) << QStringList{};
}

void ServiceDialogsTest::powerGrid() {
  QFETCH(QString, language);
  QFETCH(QString, band);
  QFETCH(QStringList, rows);
  QFETCH(QPoint, cell);
  QFETCH(QString, typed);
  QFETCH(int, key);
  QFETCH(QString, shown);
  QFETCH(int, rowAfter);
  QFETCH(int, button);
  QFETCH(QStringList, changed);

  ServiceShell s(language, band);
  QVERIFY(s.view != nullptr);
  const RadioImage before = s.Image();
  s.Run<CPowerAdjustDlg>(Cmd::kPowerAdjust, [&](CPowerAdjustDlg& dialog) {
    CMSFlexGrid* grid = dialog.Grid();
    QCOMPARE(Column(grid, 0), rows);
    const QStringList titles = language == QLatin1String("Chinese")
                                   ? QStringList{"低功率", "中功率", "高功率"}
                                   : QStringList{"Low Power", "Middle Power", "High Power"};
    QCOMPARE((QStringList{grid->GetTextMatrix(0, 1), grid->GetTextMatrix(0, 2), grid->GetTextMatrix(0, 3)}), titles);
    QCOMPARE(grid->GetTextMatrix(1, 1), QStringLiteral("100"));
    QCOMPARE(dialog.CutNote()->isVisible(), band.startsWith(QLatin1String("450")));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, cell.y(), cell.x()));
    QVERIFY(dialog.Editor()->hasFocus());
    QCOMPARE(dialog.Editor()->selectedText(), QStringLiteral("100"));
    QTest::keyClicks(dialog.Editor(), typed);
    QTest::keyClick(dialog.Editor(), Qt::Key(key));
    QVERIFY(dialog.isVisible());  // neither Enter nor Tab closes it
    QVERIFY(dialog.Editor()->isHidden());
    QCOMPARE(grid->GetTextMatrix(cell.y(), cell.x()), shown);
    QCOMPARE(grid->GetRow(), rowAfter);
    // Enter on the grid opens the editor again, on the current cell.
    QTest::keyClick(grid, Qt::Key_Return);
    QVERIFY(dialog.Editor()->isVisible());
    QTest::keyClick(dialog.Editor(), Qt::Key_Escape);
    // Closed from the keyboard: Enter presses the button that has the focus.
    QPushButton* close = DialogButton(dialog, button);
    close->setFocus(Qt::TabFocusReason);
    QTest::keyClick(close, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
  });
  QCOMPARE(ChangedBytes(before, s.Image()), changed);
  QCOMPARE(s.Doc().IsModified(), !changed.isEmpty());
}

void ServiceDialogsTest::paramOpenAndClose_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("button");
  QTest::addColumn<QStringList>("changed");
  QTest::newRow("Cancel leaves even out-of-range bytes") << "English" << int(Res::kIdCancel) << QStringList{};
  QTest::newRow("OK stores what was shown") << "Chinese" << int(Res::kIdOk) << QStringList{"030D=01", "030E=00"};
}

void ServiceDialogsTest::paramOpenAndClose() {
  QFETCH(QString, language);
  QFETCH(int, button);
  QFETCH(QStringList, changed);

  ServiceShell s(language, QStringLiteral("430-460MHz"));
  QVERIFY(s.view != nullptr);
  const RadioImage before = s.Image();
  const bool chinese = language == QLatin1String("Chinese");
  s.Run<CParamAdjustDlg>(Cmd::kParamAdjust, [&](CParamAdjustDlg& dialog) {
    QCOMPARE(Column(dialog.SqlGrid(), 0), (QStringList{"", "430", "440", "450", "460"}));
    QCOMPARE(dialog.SqlGrid()->GetTextMatrix(0, 1), chinese ? QStringLiteral("静噪") : QStringLiteral("SQL"));
    const QStringList rxRows =
        chinese ? QStringList{"", "参数1", "参数2", "参数3"} : QStringList{"", "Param 1", "Param 2", "Param 3"};
    QCOMPARE(Column(dialog.RxGrid(), 0), rxRows);
    QCOMPARE(dialog.RxGrid()->GetTextMatrix(0, 2), chinese ? QStringLiteral("窄带") : QStringLiteral("Narrow"));
    QCOMPARE(dialog.SqlClose()->currentText(), QStringLiteral("1"));
    QCOMPARE(dialog.NarrowSql()->currentText(), QStringLiteral("0"));
    QCOMPARE(dialog.NarrowSql()->itemText(0), QStringLiteral("-10"));
    QCOMPARE(dialog.TxList(3)->currentText(), QStringLiteral("50"));
    QVERIFY(dialog.CutNote()->isHidden());
    DialogButton(dialog, button)->click();
  });
  QCOMPARE(ChangedBytes(before, s.Image()), changed);
  QCOMPARE(s.Doc().IsModified(), !changed.isEmpty());
}

void ServiceDialogsTest::paramEditors() {
  ServiceShell s(QStringLiteral("English"), QStringLiteral("430-460MHz"));
  QVERIFY(s.view != nullptr);
  const RadioImage before = s.Image();
  s.Run<CParamAdjustDlg>(Cmd::kParamAdjust, [&](CParamAdjustDlg& dialog) {
    // The SQL editor takes 130, outside 5-100: leaving it puts 5 in the cell.
    QTest::mouseClick(dialog.SqlGrid()->viewport(), Qt::LeftButton, {}, CellCentre(dialog.SqlGrid(), 1, 1));
    QVERIFY(dialog.SqlEditor()->hasFocus());
    QCOMPARE(dialog.SqlEditor()->currentText(), QStringLiteral("50"));
    dialog.SqlEditor()->setEditText(QStringLiteral("130"));
    QTest::mouseClick(dialog.RxGrid()->viewport(), Qt::LeftButton, {}, CellCentre(dialog.RxGrid(), 2, 2));
    QVERIFY(dialog.SqlEditor()->isHidden());
    QCOMPARE(dialog.SqlGrid()->GetTextMatrix(1, 1), QStringLiteral("5"));
    // The Rx editor's value reaches its cell when OK closes the dialog.
    QVERIFY(dialog.RxEditor()->hasFocus());
    dialog.RxEditor()->setEditText(QStringLiteral("7"));
    dialog.NarrowSql()->setCurrentIndex(0);                // -10
    dialog.TxList(1)->setEditText(QStringLiteral("200"));  // MIC2, 0-127
    // From the keyboard: F2 opens the current cell, Tab commits it.
    dialog.SqlGrid()->SetRow(2);
    dialog.SqlGrid()->setFocus();
    QTest::keyClick(dialog.SqlGrid(), Qt::Key_F2);
    QVERIFY(dialog.SqlEditor()->hasFocus());
    dialog.SqlEditor()->setEditText(QStringLiteral("60"));
    QTest::keyClick(dialog.SqlEditor(), Qt::Key_Tab);
    QVERIFY(dialog.SqlEditor()->isHidden());
    QCOMPARE(dialog.SqlGrid()->GetTextMatrix(2, 1), QStringLiteral("60"));
    DialogButton(dialog, Res::kIdOk)->click();
  });
  QCOMPARE(ChangedBytes(before, s.Image()),
           (QStringList{"0303=05", "0304=3C", "030D=01", "030E=8A", "0312=07", "0316=00"}));
}

void ServiceDialogsTest::escape_data() {
  QTest::addColumn<QString>("dialog");  // "power" or "param"
  QTest::addColumn<int>("grid");        // the Param Adjust grid: 0 SQL, 1 Rx
  QTest::addColumn<bool>("inEditor");   // else on the grid
  QTest::addColumn<bool>("closes");
  QTest::addColumn<bool>("kept");  // the typed 7 stays in the cell

  QTest::newRow("Power Adjustment editor: to the grid, kept") << "power" << 0 << true << false << true;
  QTest::newRow("Power Adjustment grid: stays open") << "power" << 0 << false << false << true;
  QTest::newRow("Param Adjust SQL editor") << "param" << 0 << true << false << false;
  QTest::newRow("Param Adjust Rx editor") << "param" << 1 << true << false << false;
  QTest::newRow("Param Adjust grid: Cancel") << "param" << 0 << false << true << false;
}

// Escape in a Param Adjust cell editor puts the cell's text back and closes
// the editor; in Power Adjustment's it commits what was typed and gives the
// focus to the grid; elsewhere it keeps the dialog's own meaning.
void ServiceDialogsTest::escape() {
  QFETCH(QString, dialog);
  QFETCH(int, grid);
  QFETCH(bool, inEditor);
  QFETCH(bool, closes);
  QFETCH(bool, kept);

  ServiceShell s(QStringLiteral("English"), QStringLiteral("430-460MHz"));
  QVERIFY(s.view != nullptr);
  const auto work = [&](CServiceDlg& d, CMSFlexGrid* g, QWidget* editor) {
    const QString cell = g->GetTextMatrix(1, 1);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, CellCentre(g, 1, 1));
    QVERIFY(editor->isVisible());
    if (auto* combo = qobject_cast<QComboBox*>(editor)) combo->clearEditText();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->clear();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    if (!inEditor) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // commits the 7
      g->setFocus();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(d.isVisible(), !closes);
    if (closes) return;
    QVERIFY(editor->isHidden());
    QVERIFY(g->hasFocus());
    QCOMPARE(g->GetTextMatrix(1, 1), kept ? QStringLiteral("7") : cell);
    DialogButton(d, Res::kIdOk)->click();
  };
  if (dialog == QLatin1String("power"))
    s.Run<CPowerAdjustDlg>(Cmd::kPowerAdjust, [&](CPowerAdjustDlg& d) { work(d, d.Grid(), d.Editor()); });
  else
    s.Run<CParamAdjustDlg>(Cmd::kParamAdjust, [&](CParamAdjustDlg& d) {
      work(d, grid == 0 ? d.SqlGrid() : d.RxGrid(), grid == 0 ? d.SqlEditor() : d.RxEditor());
    });
}

// Each run starts at the first cell with HighLight 1, whatever the last run
// left.
void ServiceDialogsTest::powerRunStartsAfresh() {
  ServiceShell s(QStringLiteral("English"), QStringLiteral("400-480MHz"));
  QVERIFY(s.view != nullptr);
  s.Run<CPowerAdjustDlg>(Cmd::kPowerAdjust, [&](CPowerAdjustDlg& d) {
    // A row picked by its header: the third, with HighLight 2.
    const QHeaderView* rows = d.Grid()->verticalHeader();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(5, rows->sectionViewportPosition(2) + 5));
    QCOMPARE(d.Grid()->GetRow(), 3);
    QCOMPARE(d.Grid()->GetHighLight(), int(CMSFlexGrid::kHighlightWithFocus));
    DialogButton(d, Res::kIdCancel)->click();
  });
  s.Run<CPowerAdjustDlg>(Cmd::kPowerAdjust, [&](CPowerAdjustDlg& d) {
    QCOMPARE(QPoint(d.Grid()->GetRow(), d.Grid()->GetCol()), QPoint(1, 1));
    QCOMPARE(d.Grid()->GetHighLight(), int(CMSFlexGrid::kHighlightAlways));
    DialogButton(d, Res::kIdCancel)->click();
  });
}

void ServiceDialogsTest::transfer_data() {
  QTest::addColumn<QString>("dialog");  // "power" or "param"
  QTest::addColumn<bool>("write");
  QTest::addColumn<QString>("fault");  // a radiosim fault, or "no port"
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("message");

  QTest::newRow("power Read") << "power" << false << ""
                              << "English"
                              << "Read Successfully";
  QTest::newRow("param Read") << "param" << false << ""
                              << "Chinese"
                              << "读数据成功";
  QTest::newRow("power Write") << "power" << true << ""
                               << "English"
                               << "Write Successfully";
  QTest::newRow("param Write") << "param" << true << ""
                               << "Chinese"
                               << "写数据成功";
  QTest::newRow("param Read, second block refused") << "param" << false << "refuse-block:2"
                                                    << "Chinese"
                                                    << "通信出错";
  QTest::newRow("power Read, silent radio") << "power" << false << "silent"
                                            << "English"
                                            << "Communication Error";
  QTest::newRow("power Write, silent radio") << "power" << true << "silent"
                                             << "Chinese"
                                             << "通讯出错";
  QTest::newRow("param Write, block refused") << "param" << true << "refuse-block:1"
                                              << "English"
                                              << "Communication Error";
  QTest::newRow("param Read, no port") << "param" << false << "no port"
                                       << "English"
                                       << "Open the serial port fails\n{device}: missing: no such device";
  QTest::newRow("power Write, no port") << "power" << true << "no port"
                                        << "Chinese"
                                        << "打开串口失败\n{device}：不存在：没有这个设备";
}

void ServiceDialogsTest::transfer() {
  QFETCH(QString, dialog);
  QFETCH(bool, write);
  QFETCH(QString, fault);
  QFETCH(QString, language);
  QFETCH(QString, message);

  const bool power = dialog == QLatin1String("power");
  const Ranges area = ServiceTransferRanges(power ? ServiceArea::PowerTable : ServiceArea::ParamArea);
  const bool succeeds = fault.isEmpty();
  SimRadio radio(RadioMemory(), fault);
  ServiceShell s(language, QStringLiteral("400-480MHz"));
  QVERIFY(s.view != nullptr);
  g_strPortName = fault == QLatin1String("no port") ? radio.dir.file("nothing") : radio.sim->DevicePath();
  const RadioImage before = s.Image();

  // A Write first puts an edited value into the image; the dialog stays open
  // after either, its buttons usable again.
  QStringList shownAfter;
  bool shownBeforeEnd = true;
  const auto work = [&](CServiceDlg& d, CMSFlexGrid* grid, int col) {
    grid->SetTextMatrix(1, col, QStringLiteral("33"));
    QPushButton* button = DialogButton(d, write ? CServiceDlg::kWriteButton : CServiceDlg::kReadButton);
    QSignalSpy finished(&d, &CServiceDlg::transferFinished);
    button->click();
    // The click returns while the link is still at work.
    shownBeforeEnd = !s.shell.messages.empty();
    QVERIFY(finished.wait(5000));
    QVERIFY(d.isVisible() && d.isEnabled());
    shownAfter << grid->GetTextMatrix(1, col);
    DialogButton(d, Res::kIdCancel)->click();
  };
  if (power)
    s.Run<CPowerAdjustDlg>(Cmd::kPowerAdjust, [&](CPowerAdjustDlg& d) { work(d, d.Grid(), 1); });
  else
    s.Run<CParamAdjustDlg>(Cmd::kParamAdjust, [&](CParamAdjustDlg& d) { work(d, d.SqlGrid(), 1); });

  QVERIFY(!shownBeforeEnd);
  QCOMPARE(s.shell.messages.size(), std::size_t{1});
  QCOMPARE(s.shell.messages.front().text, QString(message).replace("{device}", QString::fromStdString(g_strPortName)));

  // Only the dialog's area may change: a Read takes the radio's bytes, a
  // Write keeps the edited value (the normalised area too, for parameters).
  const RadioImage memory = radio.sim->Memory();
  const RadioImage radioBefore = RadioMemory();
  const std::size_t edited = power ? 0x3E0 : 0x300;
  RadioImage expected = before;
  if (write) {
    expected[edited] = 33;
    if (!power) expected[0x30D] = 1, expected[0x30E] = 0;
  } else if (succeeds) {
    CopyRanges(area, memory, expected);
  }
  QCOMPARE(ChangedBytes(before, s.Image()), ChangedBytes(before, expected));
  QCOMPARE(s.Doc().IsModified(), write || succeeds);
  // A successful Read refills the controls; anything else leaves them.
  QCOMPARE(shownAfter.front(), !write && succeeds ? QString::number(memory[edited]) : QStringLiteral("33"));
  // The radio holds the image's area after a successful Write, nothing else.
  RadioImage radioExpected = radioBefore;
  if (write && succeeds) CopyRanges(area, s.Image(), radioExpected);
  QCOMPARE(ChangedBytes(radioBefore, memory), ChangedBytes(radioBefore, radioExpected));
}

QTEST_MAIN(ServiceDialogsTest)
#include "ServiceDialogsTest.moc"
