// Edit controls and drop-down lists as a screen reader reads their text:
// every character in one attribute run, a password as bullets, a list named
// by its label with its entry as its text.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "gui/widgets/ListAccessible.h"
#include "gui/widgets/TextFieldAccessible.h"

class ControlTextTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QAccessible::installFactory(&CTextFieldAccessible::Factory);
    QAccessible::installFactory(&CListAccessible::Factory);
  }
  void readWhole_data();
  void readWhole();
};

void ControlTextTest::readWhole_data() {
  QTest::addColumn<QString>("kind");  // "edit", "password", "list", "editable list"
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");  // what the text interface reads
  QTest::addColumn<int>("selected");  // characters reported selected
  QTest::newRow("a frequency with every digit") << "edit" << "" << "152.00625" << 0;
  QTest::newRow("a password as bullets") << "password" << "" << QString(4, QChar(0x25CF)) << 0;
  QTest::newRow("a list by its label and entry") << "list" << "Time Out Time" << "Narrow" << 6;
  QTest::newRow("an editable list reads its field") << "editable list" << "Time Out Time" << "Narrow" << 0;
}

void ControlTextTest::readWhole() {
  QFETCH(QString, kind);
  QFETCH(QString, name);
  QFETCH(QString, text);
  QFETCH(int, selected);
  QWidget window;
  auto* label = new QLabel(QStringLiteral("Time Out Time"), &window);
  QWidget* control = nullptr;
  if (kind.endsWith(QLatin1String("list"))) {
    auto* list = new QComboBox(&window);
    list->setEditable(kind == QLatin1String("editable list"));
    list->addItems({QStringLiteral("Wide"), QStringLiteral("Narrow")});
    list->setCurrentIndex(1);
    control = list;
  } else {
    auto* edit = new QLineEdit(kind == QLatin1String("edit") ? text : QStringLiteral("1234"), &window);
    if (kind == QLatin1String("password")) edit->setEchoMode(QLineEdit::Password);
    label->setText(QString());
    control = edit;
  }
  label->setBuddy(control);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
  QVERIFY(iface != nullptr && iface->textInterface() != nullptr);
  QAccessibleTextInterface* reader = iface->textInterface();
  QCOMPARE(iface->text(QAccessible::Name), name);
  QCOMPARE(reader->text(0, reader->characterCount()), text);
  int start = -1;
  int end = -1;
  reader->attributes(3, &start, &end);
  QCOMPARE(QPoint(start, end), QPoint(0, static_cast<int>(text.size())));
  reader->selection(0, &start, &end);
  QCOMPARE(end - start, selected);
}

QTEST_MAIN(ControlTextTest)
#include "ControlTextTest.moc"
