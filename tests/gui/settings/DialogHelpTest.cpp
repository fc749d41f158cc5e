// F1 in the option and service dialogs: help for the focused control's id,
// from the help file of the language, which has a topic for every control.
#include <QFile>

#include "DialogShell.h"
#include "core/shell/HelpTopics.h"
#include "core/shell/ResourceIds.h"
#include "gui/settings/OptionalFeaturesDlg.h"
#include "gui/settings/ParamAdjustDlg.h"
#include "gui/settings/PowerAdjustDlg.h"
#include "gui/settings/ProductInfoDlg.h"
#include "gui/shell/AppGlobals.h"

class DialogHelpTest : public QObject {
  Q_OBJECT
 private slots:
  void focusedControl_data();
  void focusedControl();
};

void DialogHelpTest::focusedControl_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("command");
  QTest::addColumn<QList<int>>("ids");  // every control of the dialog, sorted

  for (const char* language : {"English", "Chinese"}) {
    const QByteArray tag(language);
    QTest::newRow(tag + " Optional Features")
        << language << int(Cmd::kOptionalFeatures)
        << QList<int>{1, 2, 1006, 1007, 1011, 1012, 1116, 1118, 1119, 1121, 1140, 1141, 1142};
    QTest::newRow(tag + " Product Information")
        << language << int(Cmd::kProductInformation) << QList<int>{1, 2, 1013, 1014};
    QTest::newRow(tag + " Power Adjustment")
        << language << int(Cmd::kPowerAdjust) << QList<int>{1, 2, 1006, 1007, 1033, 1137};
    QTest::newRow(tag + " Param Adjust") << language << int(Cmd::kParamAdjust)
                                         << QList<int>{1,    2,    1005, 1006, 1007, 1008, 1009, 1010,
                                                       1011, 1012, 1014, 1018, 1019, 1022, 1023, 1024};
  }
}

void DialogHelpTest::focusedControl() {
  QFETCH(QString, language);
  QFETCH(int, command);
  QFETCH(QList<int>, ids);

  DialogShell s(language.toStdString());
  QVERIFY(s.Start());
  g_bServiceMode = true;
  QFile file(QString::fromStdString(g_strAppDir + HelpHtmlFileName(g_strHelpFile)));
  QVERIFY(file.open(QIODevice::ReadOnly));
  const std::string html = file.readAll().toStdString();

  QList<int> found;
  s.Run<QDialog>(command, [&](QDialog& dialog) {
    // The cell editors show only while a cell is edited.
    if (auto* power = qobject_cast<CPowerAdjustDlg*>(&dialog)) power->OpenEditor();
    if (auto* param = qobject_cast<CParamAdjustDlg*>(&dialog)) {
      param->OpenEditor(param->SqlGrid());
      param->OpenEditor(param->RxGrid());
    }
    for (QWidget* widget : dialog.findChildren<QWidget*>()) {
      if (!widget->property("controlId").isValid()) continue;
      const int id = ControlId(widget);
      found << id;
      widget->show();
      widget->setFocus();
      QTest::keyClick(widget, Qt::Key_F1);
      const QByteArray name = QByteArray::number(id);
      QVERIFY2(!s.shell.help.empty() && s.shell.help.back().context == std::uint32_t(id), name);
      QVERIFY2(HelpTextHasTopic(html, std::uint32_t(id)), name);
    }
    dialog.reject();
  });
  std::sort(found.begin(), found.end());
  QCOMPARE(found, ids);
  const QString helpFile = language == QLatin1String("Chinese") ? "chHelp.chm" : "enHelp.chm";
  QCOMPARE(QString::fromStdString(s.shell.help.back().file), helpFile);
}

QTEST_MAIN(DialogHelpTest)
#include "DialogHelpTest.moc"
