// The program as a screen reader meets it: every focusable control named in
// the run's language, the channel table's editor reachable under the table
// with its name, the events that tell what changed, and the keys of a
// desktop program (F6 between panes, the context menu from the keyboard).
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTreeWidget>

#include "ShellFixture.h"
#include "app/AppGlobals.h"
#include "app/MainFrame.h"
#include "app/NavigationBar.h"
#include "app/ResourceIds.h"
#include "editor/MSFlexGrid.h"
#include "editor/ProgramView.h"
#include "editor/ProgressDlg.h"
#include "editor/ViewProfile.h"

namespace {

constexpr int kPasswordDialog = -1;  // Ctrl+F11's, which has no command

struct Found {
  QStringList unnamed;  // "role path" of each focusable control without a name
  QString editorName;   // the name under which `editor` was reached; empty: not reached
};

void Walk(QAccessibleInterface* iface, const QWidget* editor, const QString& path, Found& found, int depth = 0) {
  if (iface == nullptr || depth > 40) return;
  const QAccessible::State state = iface->state();
  if (state.invisible) return;
  const QString name = iface->text(QAccessible::Name);
  const QString here = path + "/" + QString::number(iface->role(), 16);
  // A table cell is read with its row and column; an empty one has no text.
  if (state.focusable && !state.disabled && name.trimmed().isEmpty() && iface->role() != QAccessible::Cell)
    found.unnamed << here + (iface->object() ? QString(" ") + iface->object()->metaObject()->className() : QString());
  if (editor != nullptr && iface->object() == editor) found.editorName = name;
  for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), editor, here, found, depth + 1);
}

Found WalkWindow(QWidget* window, const QWidget* editor = nullptr) {
  Found found;
  Walk(QAccessible::queryAccessibleInterface(window), editor, QString(), found);
  return found;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT
 private slots:
  void namedControls_data();
  void namedControls();
  void announcements_data();
  void announcements();
  void keyboard_data();
  void keyboard();
};

void AccessibilityTest::namedControls_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("command");  // 0: the main window, with a cell being edited
  QTest::addColumn<QString>("editorName");
  for (const char* language : {"English", "Chinese"}) {
    const bool chinese = QByteArray(language) == "Chinese";
    const QByteArray tag(language);
    QTest::newRow(tag + " main window") << language << 0
                                        << QString(chinese ? "接收频率，信道 3" : "Rx Frequency, channel 3");
    for (const auto& [name, command] : std::vector<std::pair<const char*, int>>{
             {"Product Information", Cmd::kProductInformation},
             {"Optional Features", Cmd::kOptionalFeatures},
             {"Com Setup", Cmd::kComSetup},
             {"Language", Cmd::kLanguage},
             {"About", Cmd::kAppAbout},
             {"Progress", Cmd::kRead},
             {"Password", kPasswordDialog},
             {"Power Adjustment", Cmd::kPowerAdjust},
             {"Parameter Adjustment", Cmd::kParamAdjust}})
      QTest::newRow(tag + " " + name) << language << command << QString();
  }
}

void AccessibilityTest::namedControls() {
  QFETCH(QString, language);
  QFETCH(int, command);
  QFETCH(QString, editorName);

  ShellFixture shell(ViewProfile(language.toStdString()));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  CProgramView* view = frame->ActiveView();
  QVERIFY(view != nullptr);

  if (command == 0) {
    view->Grid()->SetCurrentCell(3, 1);
    QWidget* editor = view->Editor(2127);
    QVERIFY(editor != nullptr && editor->isVisible());
    const Found found = WalkWindow(frame, editor);
    QVERIFY2(found.unnamed.isEmpty(), qPrintable(found.unnamed.join(", ")));
    QCOMPARE(found.editorName, editorName);
    return;
  }

  g_bServiceMode = command != kPasswordDialog;
  bool walked = false;
  auto walk = [&](QDialog& dialog) {
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) return int(QDialog::Rejected);
    const Found found = WalkWindow(&dialog);
    walked = true;
    [&] { QVERIFY2(found.unnamed.isEmpty(), qPrintable(dialog.windowTitle() + ": " + found.unnamed.join(", "))); }();
    dialog.hide();
    return int(QDialog::Rejected);
  };
  shell.modal = walk;
  if (command == kPasswordDialog) {
    frame->UnlockService();
  } else {
    frame->OnCommand(command);
  }
  if (command == Cmd::kRead) {
    // The progress window is not modal to the program: it stays open.
    auto* progress = frame->findChild<CProgressDlg*>();
    QVERIFY(progress != nullptr);
    walk(*progress);
    progress->reject();
  }
  QVERIFY(walked);
}

void AccessibilityTest::announcements_data() {
  // What a screen reader is told about, read where it reads it: the focused
  // child of the table, a cell, the status bar's notification, the
  // percentage. (The events themselves are checked on the real bus.)
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("heard");
  QTest::newRow("moving to a cell focuses its named editor") << "move" << "Tx Frequency, channel 2";
  QTest::newRow("a committed value is the cell's") << "commit" << "446.00000";
  QTest::newRow("a status bar message is a notification") << "message" << "Read complete";
  QTest::newRow("a status tip is not said again") << "tip" << "";
  QTest::newRow("the progress percentage") << "progress" << "Percentage 50%";
}

void AccessibilityTest::announcements() {
  QFETCH(QString, action);
  QFETCH(QString, heard);

  ShellFixture shell(ViewProfile("English"));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->show();
  frame->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(frame));
  CProgramView* view = frame->ActiveView();
  CMSFlexGrid* grid = view->Grid();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  grid->SetCurrentCell(2, 1);
  QString said;
  if (action == "move") {
    grid->SetCurrentCell(2, 2);
    QTRY_VERIFY(table->focusChild() != nullptr);
    said = table->focusChild()->text(QAccessible::Name);
    QCOMPARE(table->indexOfChild(table->focusChild()), table->childCount() - 1);
  } else if (action == "commit") {
    auto* editor = qobject_cast<QLineEdit*>(view->Editor(2127));
    editor->setText("446");
    QTest::keyClick(editor, Qt::Key_Return);
    said = table->tableInterface()->cellAt(1, 0)->text(QAccessible::Name);
  } else if (action == "message" || action == "tip") {
    if (action == "tip") {
      QStatusTipEvent tip(QStringLiteral("Read Data From Radio"));
      QApplication::sendEvent(frame, &tip);
    } else {
      frame->statusBar()->showMessage(heard);
    }
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame->statusBar());
    for (int i = 0; i < bar->childCount(); ++i) {
      QAccessibleInterface* child = bar->child(i);
      if (child->role() == QAccessible::Notification && !child->state().invisible) said = child->text(QAccessible::Name);
    }
  } else if (action == "progress") {
    frame->OnCommand(Cmd::kRead);
    auto* progress = frame->findChild<CProgressDlg*>();
    progress->SetProgress(32, QStringLiteral("50%"));
    said = QAccessible::queryAccessibleInterface(progress->Percent())->text(QAccessible::Name);
    progress->reject();
  }
  QCOMPARE(said, heard);
}

void AccessibilityTest::keyboard_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expected");
  QTest::newRow("F6 from the table to the tree") << "F6" << "tree";
  QTest::newRow("F6 twice comes back to the table") << "F6 F6" << "table";
  QTest::newRow("Shift+F6 the other way") << "Shift+F6" << "tree";
  QTest::newRow("F6 skips a hidden navigation bar") << "hide F6" << "table";
  QTest::newRow("hiding the bar takes the focus out of it") << "F6 hide" << "table";
  QTest::newRow("Shift+F10 opens the table's menu") << "Shift+F10" << "menu";
  QTest::newRow("the Menu key opens it") << "Menu" << "menu";
}

void AccessibilityTest::keyboard() {
  QFETCH(QString, keys);
  QFETCH(QString, expected);

  ShellFixture shell(ViewProfile("English"));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->show();
  frame->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(frame));
  CProgramView* view = frame->ActiveView();
  view->Grid()->SetCurrentCell(1, 1);
  QTRY_VERIFY(view->isAncestorOf(QApplication::focusWidget()));
  for (const QString& key : keys.split(' ')) {
    QWidget* focus = QApplication::focusWidget();
    if (key == "hide")
      frame->ShowControlBar(false);
    else if (key == "F6")
      QTest::keyClick(focus, Qt::Key_F6);
    else if (key == "Shift+F6")
      QTest::keyClick(focus, Qt::Key_F6, Qt::ShiftModifier);
    else if (key == "Shift+F10")
      QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier);
    else if (key == "Menu")
      QTest::keyClick(focus, Qt::Key_Menu);
  }
  if (expected == "menu") {
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    QApplication::activePopupWidget()->close();
    return;
  }
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(focus != nullptr && focus->isVisible() && focus->isEnabled());
  if (expected == "tree")
    QCOMPARE(focus, static_cast<QWidget*>(frame->NavigationBar()->Tree()));
  else
    QVERIFY2(view->isAncestorOf(focus), focus->metaObject()->className());
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
