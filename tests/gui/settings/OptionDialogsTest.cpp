// The Optional Features and Product Information dialogs on a running
// program: what they show for an image, which bytes OK changes, Cancel, both
// languages, and what Product Information tells the channel window and the
// settings store.
#include <QComboBox>
#include <QPushButton>

#include "DialogShell.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/ChannelTable.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/settings/OptionalFeaturesDlg.h"
#include "gui/settings/ProductInfoDlg.h"
#include "gui/shell/UserSettings.h"

using Bytes = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Bytes)

class OptionDialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void optionalFeatures_data();
  void optionalFeatures();
  void productInformation_data();
  void productInformation();
  void bandChangeNamesChannelsOutside_data();
  void bandChangeNamesChannelsOutside();
  void commandsNeedAChannelWindow();
  void enterPressesTheFocusedButton_data();
  void enterPressesTheFocusedButton();
};

void OptionDialogsTest::optionalFeatures_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<Bytes>("stored");  // (offset, value) put into the image first
  QTest::addColumn<int>("list");      // OptionList changed, -1 none
  QTest::addColumn<int>("index");     // its new entry
  QTest::addColumn<int>("button");
  QTest::addColumn<QStringList>("shown");  // Side Key 1, Side Key 2, Voice, VOX as shown on opening
  QTest::addColumn<QStringList>("changed");

  const int key2 = int(OptionList::SideKey2);
  QTest::newRow("side key 2 keeps bits 3 and 7")
      << "English" << Bytes{{0x391, 0x8B}} << key2 << 6 << int(Res::kIdOk)
      << QStringList{"Scan Switch", "Off", "Off", "On"} << QStringList{"0391=EB"};
  QTest::newRow("values without an entry stay as they were")
      << "English" << Bytes{{0x12F, 3}, {0x139, 5}, {0x391, 0x77}} << -1 << 0 << int(Res::kIdOk)
      << QStringList{"Off", "Off", "", ""} << QStringList{"0391=00"};
  QTest::newRow("VOX on") << "English" << Bytes{{0x139, 0}} << int(OptionList::Vox) << 0 << int(Res::kIdOk)
                          << QStringList{"Off", "Off", "Off", "Off"} << QStringList{"0139=01"};
  QTest::newRow("Cancel keeps everything")
      << "English" << Bytes{{0x130, 3}} << int(OptionList::TimeOutTime) << 39 << int(Res::kIdCancel)
      << QStringList{"Off", "Off", "Off", "On"} << QStringList{};
  QTest::newRow("Chinese entries, time-out 45 s")
      << "Chinese" << Bytes{{0x391, 0x51}, {0x12F, 2}} << int(OptionList::TimeOutTime) << 2 << int(Res::kIdOk)
      << QStringList{"监听", "本地报警", "英文", "开"} << QStringList{"0130=03"};
}

void OptionDialogsTest::optionalFeatures() {
  QFETCH(QString, language);
  QFETCH(Bytes, stored);
  QFETCH(int, list);
  QFETCH(int, index);
  QFETCH(int, button);
  QFETCH(QStringList, shown);
  QFETCH(QStringList, changed);

  DialogShell s(language.toStdString());
  QVERIFY(s.Start());
  // Every list at a known entry, then the bytes of the case.
  s.Image()[0x12F] = 0;
  s.Image()[0x130] = 1;
  s.Image()[0x139] = 1;
  s.Image()[0x391] = 0;
  for (const auto& [offset, value] : stored)
    s.Image()[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
  s.Doc().SetModifiedFlag(false);
  const RadioImage before = s.Image();

  QStringList seen;
  s.Run<COptionalFeaturesDlg>(Cmd::kOptionalFeatures, [&](COptionalFeaturesDlg& dialog) {
    for (OptionList l : {OptionList::SideKey1, OptionList::SideKey2, OptionList::VoiceAnnunciation, OptionList::Vox})
      seen << dialog.List(l)->currentText();
    if (list >= 0) dialog.List(static_cast<OptionList>(list))->setCurrentIndex(index);
    DialogButton(dialog, button)->click();
  });
  QCOMPARE(seen, shown);
  QCOMPARE(ChangedBytes(before, s.Image()), changed);
  QCOMPARE(s.Doc().IsModified(), !changed.isEmpty());
}

void OptionDialogsTest::productInformation_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QPoint>("store");       // the settings store's "Type" and "Field" before
  QTest::addColumn<QStringList>("shown");  // model, band and the band list on opening
  QTest::addColumn<int>("model");          // chosen, -2 to leave it
  QTest::addColumn<int>("band");
  QTest::addColumn<int>("button");
  QTest::addColumn<QStringList>("changed");
  QTest::addColumn<QString>("caption");   // after OK
  QTest::addColumn<QPoint>("limitsMHz");  // lower, upper after OK
  QTest::addColumn<QPoint>("storeAfter");

  const int ok = Res::kIdOk;
  QTest::newRow("to another hundred MHz")
      << "English" << QPoint(0, 0) << QStringList{"QR-450", "400-470MHz", "400-470MHz", "450-520MHz"} << 1 << -2 << ok
      << QStringList{"030E=02", "032E=01"} << "Quillmoor Programmer  [ Type:QR-160  Fre:136-174MHz ]"
      << QPoint(136, 175) << QPoint(1, 0);
  QTest::newRow("same hundred MHz, Chinese")
      << "Chinese" << QPoint(0, 0) << QStringList{"QR-450", "400-470MHz", "400-470MHz", "450-520MHz"} << -2 << 1 << ok
      << QStringList{"032F=01"} << "奎尔摩写频软件  [ 类型:QR-450  频率:450-520MHz ]" << QPoint(450, 521)
      << QPoint(0, 1);
  QTest::newRow("stored model beyond the list")
      << "English" << QPoint(5, 0) << QStringList{"", "", ""} << -2 << -2 << ok << QStringList{"032E=FF"}
      << "Quillmoor Programmer  [ Type:  Fre: ]" << QPoint(0, 1) << QPoint(-1, 0);
  QTest::newRow("stored band beyond the list")
      << "English" << QPoint(1, 3) << QStringList{"QR-160", "", "136-174MHz"} << -2 << -2 << ok
      << QStringList{"032E=01", "032F=FF"} << "Quillmoor Programmer  [ Type:QR-160  Fre: ]" << QPoint(0, 1)
      << QPoint(1, -1);
  QTest::newRow("Cancel") << "English" << QPoint(1, 0) << QStringList{"QR-160", "136-174MHz", "136-174MHz"} << 0 << 1
                          << int(Res::kIdCancel) << QStringList{} << "" << QPoint() << QPoint(1, 0);
}

void OptionDialogsTest::productInformation() {
  QFETCH(QString, language);
  QFETCH(QPoint, store);
  QFETCH(QStringList, shown);
  QFETCH(int, model);
  QFETCH(int, band);
  QFETCH(int, button);
  QFETCH(QStringList, changed);
  QFETCH(QString, caption);
  QFETCH(QPoint, limitsMHz);
  QFETCH(QPoint, storeAfter);

  DialogShell s(language.toStdString());
  QVERIFY(s.Start());
  // The new document is type 0 band 0, 400-470 MHz.
  s.Image()[0x30E] = 0x05;
  WriteUserNumber("Type", store.x());
  WriteUserNumber("Field", store.y());
  s.Doc().SetModifiedFlag(false);
  const RadioImage before = s.Image();
  const QString captionBefore = s.shell.Frame()->windowTitle();
  const BandLimits limitsBefore = s.view->GetBandLimits();

  QStringList seen;
  s.Run<CProductInfoDlg>(Cmd::kProductInformation, [&](CProductInfoDlg& dialog) {
    seen << dialog.m_pModel->currentText() << dialog.m_pBand->currentText();
    for (int i = 0; i < dialog.m_pBand->count(); ++i) seen << dialog.m_pBand->itemText(i);
    if (model != -2) {
      dialog.m_pModel->setCurrentIndex(model);
      QCOMPARE(dialog.m_pBand->currentIndex(), 0);  // a new model starts at its first band
    }
    if (band != -2) dialog.m_pBand->setCurrentIndex(band);
    DialogButton(dialog, button)->click();
  });
  QCOMPARE(seen, shown);
  QCOMPARE(ChangedBytes(before, s.Image()), changed);
  QCOMPARE(s.Doc().IsModified(), !changed.isEmpty());
  const bool confirmed = button == Res::kIdOk;
  QCOMPARE(s.shell.Frame()->windowTitle(), confirmed ? caption : captionBefore);
  const BandLimits limits = s.view->GetBandLimits();
  QCOMPARE(limits.lower, confirmed ? limitsMHz.x() * 100000LL : limitsBefore.lower);
  QCOMPARE(limits.upper, confirmed ? limitsMHz.y() * 100000LL : limitsBefore.upper);
  QCOMPARE(QPoint(ReadUserNumber("Type", -9), ReadUserNumber("Field", -9)), storeAfter);
}

void OptionDialogsTest::bandChangeNamesChannelsOutside_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("model");  // chosen, with its first band
  QTest::addColumn<QString>("channel2");
  QTest::addColumn<QString>("message");
  // The view profile's models: QR-450 (400-470MHz first), QR-160 (136-174MHz).
  QTest::newRow("all in the band") << "English" << 0 << ""
                                   << "";
  QTest::newRow("out of the band") << "English" << 1 << "150.00000"
                                   << "These channels lie outside the band 136-174MHz and are kept as they are:\n1, 3";
  QTest::newRow("out of the band, Chinese") << "Chinese" << 0 << "150.00000"
                                            << "以下信道超出频段 400-470MHz，已保持原样：\n2";
}

void OptionDialogsTest::bandChangeNamesChannelsOutside() {
  QFETCH(QString, language);
  QFETCH(int, model);
  QFETCH(QString, channel2);
  QFETCH(QString, message);
  DialogShell s(language.toStdString());
  QVERIFY(s.Start());
  ChannelTable table = s.view->Table();
  const auto channel = [&table](int n, const QString& f) {
    table[std::size_t(n - 1)][kColRxFrequency] = table[std::size_t(n - 1)][kColTxFrequency] = f.toStdString();
  };
  channel(1, "446.00000");
  channel(2, channel2);
  channel(3, "150.00000");
  s.view->SetTable(table);
  s.view->StoreToImage();
  // What the table shows counts, edits not yet stored included.
  channel(3, "440.00000");
  s.view->SetTable(table);

  s.Run<CProductInfoDlg>(Cmd::kProductInformation, [&](CProductInfoDlg& dialog) {
    dialog.m_pModel->setCurrentIndex(model);
    DialogButton(dialog, Res::kIdOk)->click();
  });
  QStringList messages;
  for (const MessageRequest& request : s.shell.messages) messages << request.text;
  QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
  QVERIFY(s.view->Table() == table);
}

void OptionDialogsTest::commandsNeedAChannelWindow() {
  DialogShell s("English");
  QVERIFY(s.Start());
  CMainFrame* frame = s.shell.Frame();
  for (int command : {Cmd::kOptionalFeatures, Cmd::kProductInformation}) QVERIFY(frame->IsCommandEnabled(command));
  // The service dialogs wait for the password.
  for (int command : {Cmd::kPowerAdjust, Cmd::kParamAdjust}) QVERIFY(!frame->IsCommandEnabled(command));
  delete frame->MDIGetActive();
  for (int command : {Cmd::kOptionalFeatures, Cmd::kProductInformation}) {
    QVERIFY(!frame->IsCommandEnabled(command));
    frame->OnCommand(command);
  }
  QCOMPARE(s.shell.modalCount, 0);
}

void OptionDialogsTest::enterPressesTheFocusedButton_data() {
  QTest::addColumn<int>("command");
  QTest::addColumn<int>("button");  // focused when Enter is pressed
  QTest::addColumn<int>("result");
  QTest::newRow("Optional Features, Cancel")
      << int(Cmd::kOptionalFeatures) << int(Res::kIdCancel) << int(QDialog::Rejected);
  QTest::newRow("Optional Features, OK") << int(Cmd::kOptionalFeatures) << int(Res::kIdOk) << int(QDialog::Accepted);
  QTest::newRow("Product Information, Cancel")
      << int(Cmd::kProductInformation) << int(Res::kIdCancel) << int(QDialog::Rejected);
}

void OptionDialogsTest::enterPressesTheFocusedButton() {
  QFETCH(int, command);
  QFETCH(int, button);
  QFETCH(int, result);

  DialogShell s("English");
  QVERIFY(s.Start());
  s.Image()[0x130] = 1;
  s.Image()[0x32E] = 0;
  s.Doc().SetModifiedFlag(false);
  const RadioImage before = s.Image();
  // A list changed, the focus on a button (where Tab puts it), then Enter.
  const auto work = [&](QDialog& dialog) {
    auto* list = dialog.findChild<QComboBox*>();
    list->setCurrentIndex(1);
    QPushButton* target = DialogButton(dialog, button);
    target->setFocus(Qt::TabFocusReason);
    QTest::keyClick(target, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
  };
  const int ran = command == Cmd::kOptionalFeatures
                      ? s.Run<COptionalFeaturesDlg>(command, [&](COptionalFeaturesDlg& d) { work(d); })
                      : s.Run<CProductInfoDlg>(command, [&](CProductInfoDlg& d) { work(d); });
  QCOMPARE(ran, result);
  QCOMPARE(s.Doc().IsModified(), result == QDialog::Accepted);
  if (result == QDialog::Rejected) QCOMPARE(ChangedBytes(before, s.Image()), QStringList{});
}

QTEST_MAIN(OptionDialogsTest)
#include "OptionDialogsTest.moc"
