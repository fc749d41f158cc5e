// The program as a screen reader meets it: every focusable control named in
// the run's language, the channel table's editor reachable under the table
// with its name, the events that tell what changed, and the keys of a
// desktop program (F6 between panes, the context menu from the keyboard).
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/radio/ImageMap.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/HtmlHelp.h"
#include "gui/app/MainFrame.h"
#include "gui/app/NavigationBar.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/editor/ViewProfile.h"
#include "gui/shell/AppGlobals.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/CommandDialogs.h"
#include "support/ShellFixture.h"

// Qt sends no accessibility event, not even to an update handler, until the
// platform says a screen reader listens; the offscreen platform never does,
// and only Qt's private interface can say it instead. Its headers are not
// installed here, so the three names it takes are declared as Qt defines
// them (the offscreen platform keeps the base class's accessibility object).
class QPlatformAccessibility {
 public:
  void setActive(bool active);
};
class QPlatformIntegration {
 public:
  QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
 public:
  static QPlatformIntegration* platform_integration;
};

namespace {

struct Found {
  QStringList unnamed;  // "role path" of each focusable control without a name
  QString editorName;   // what `editor` was reached as (its label, else its name); empty: not reached
};

// A list shows its value as its name on the bus: its label tells what it is.
QString LabelOrName(QAccessibleInterface* iface) {
  const auto labels = iface->relations(QAccessible::Label);
  return labels.isEmpty() ? iface->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
}

void Walk(QAccessibleInterface* iface, const QWidget* editor, const QString& path, Found& found, int depth = 0) {
  if (iface == nullptr || depth > 40) return;
  const QAccessible::State state = iface->state();
  if (state.invisible) return;
  const QString name = iface->text(QAccessible::Name);
  const QString here = path + "/" + QString::number(iface->role(), 16);
  // A table cell is read with its row and column; an empty one has no text.
  if (state.focusable && !state.disabled && name.trimmed().isEmpty() && iface->role() != QAccessible::Cell)
    found.unnamed << here + (iface->object() ? QString(" ") + iface->object()->metaObject()->className() : QString());
  if (editor != nullptr && iface->object() == editor) found.editorName = LabelOrName(iface);
  for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), editor, here, found, depth + 1);
}

Found WalkWindow(QWidget* window, const QWidget* editor = nullptr) {
  Found found;
  Walk(QAccessible::queryAccessibleInterface(window), editor, QString(), found);
  return found;
}

// What reached a screen reader: every accessibility event sent while the
// update handler below is installed, read at the moment it was sent.
struct Heard {
  QAccessible::Event type;
  QAccessible::Role role;
  QString text;    // a value change's value, otherwise the object's name
  bool reachable;  // its parent counts it among its children
};
std::vector<Heard> g_heard;

void Hear(QAccessibleEvent* event) {
  QAccessibleInterface* iface = event->accessibleInterface();
  if (iface == nullptr) return;
  QAccessibleInterface* parent = iface->parent();
  const QString text = event->type() == QAccessible::ValueChanged
                           ? static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()
                           : iface->text(QAccessible::Name);
  g_heard.push_back({event->type(), iface->role(), text, parent != nullptr && parent->indexOfChild(iface) >= 0});
}

// The in-place editor open over the grid's current cell; nullptr when none is.
QWidget* OpenEditor(const CMSFlexGrid* grid) {
  for (QWidget* child : grid->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isVisible() && (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child))) return child;
  return nullptr;
}

// Starts the program with its main window active, where keys and focus go;
// false when it did not come up with a channel window.
bool StartActive(ShellFixture& shell) {
  if (!shell.Start()) return false;
  CMainFrame* frame = shell.Frame();
  frame->show();
  frame->activateWindow();
  return QTest::qWaitForWindowActive(frame) && frame->ActiveView() != nullptr;
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
  QTest::addColumn<int>("command");  // 0: the main window, with channel 3's cell in `column` being edited
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("editorName");
  for (const char* language : {"English", "Chinese"}) {
    const bool chinese = QByteArray(language) == "Chinese";
    const QByteArray tag(language);
    QTest::newRow(tag + " main window, a frequency")
        << language << 0 << 1 << QString(chinese ? "接收频率，信道 3" : "Rx Frequency, channel 3");
    QTest::newRow(tag + " main window, a list")
        << language << 0 << 5 << QString(chinese ? "宽/窄，信道 3" : "W/N, channel 3");
    for (const auto& [name, command] : CommandDialogList())
      QTest::newRow(tag + " " + name) << language << command << 0 << QString();
  }
}

void AccessibilityTest::namedControls() {
  QFETCH(QString, language);
  QFETCH(int, command);
  QFETCH(int, column);
  QFETCH(QString, editorName);

  ShellFixture shell(ViewProfile(language.toStdString()));
  QVERIFY(StartActive(shell));
  CMainFrame* frame = shell.Frame();
  CProgramView* view = frame->ActiveView();

  if (command == 0) {
    view->Grid()->SetCurrentCell(3, column);
    QWidget* editor = OpenEditor(view->Grid());
    QVERIFY(editor != nullptr);
    const Found found = WalkWindow(frame, editor);
    QVERIFY2(found.unnamed.isEmpty(), qPrintable(found.unnamed.join(", ")));
    QCOMPARE(found.editorName, editorName);
    return;
  }

  QStringList unnamed;
  const bool shown = ShowCommandDialogs(shell, command, [&](QWidget& window) {
    const Found found = WalkWindow(&window);
    if (!found.unnamed.isEmpty()) unnamed << window.windowTitle() + ": " + found.unnamed.join(", ");
  });
  QVERIFY(shown);
  QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("; ")));
}

void AccessibilityTest::announcements_data() {
  // The events a screen reader announces, as the program sends them; when
  // not `told`, no such event may come.
  QTest::addColumn<QString>("action");
  QTest::addColumn<int>("event");
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("heard");
  QTest::addColumn<bool>("told");
  QTest::newRow("moving the current cell focuses its named editor")
      << "move" << int(QAccessible::Focus) << int(QAccessible::EditableText) << "Tx Frequency, channel 2" << true;
  // The bus passes a value change on only for objects that hold a number:
  // a cell's new text reaches a screen reader as a change of its name.
  QTest::newRow("a committed value is the cell's new name")
      << "commit" << int(QAccessible::NameChanged) << int(QAccessible::Cell) << "446.00000" << true;
  QTest::newRow("a refused value raises the Caution box")
      << "refuse" << int(QAccessible::Alert) << int(QAccessible::AlertMessage) << "Caution" << true;
  QTest::newRow("a status bar message is a notification")
      << "message" << int(QAccessible::ObjectShow) << int(QAccessible::Notification) << "Read complete" << true;
  QTest::newRow("a message right after another is told too")
      << "message after another" << int(QAccessible::ObjectShow) << int(QAccessible::Notification) << "Read complete"
      << true;
  QTest::newRow("a status tip is not told again")
      << "tip" << int(QAccessible::ObjectShow) << int(QAccessible::Notification) << "Read Data From Radio" << false;
  QTest::newRow("the progress bar's value")
      << "progress" << int(QAccessible::ValueChanged) << int(QAccessible::ProgressBar) << "32" << true;
  QTest::newRow("the progress percentage")
      << "progress" << int(QAccessible::NameChanged) << int(QAccessible::StaticText) << "Percentage 50%" << true;
  QTest::newRow("each quarter of the progress is said")
      << "progress" << int(QAccessible::ObjectShow) << int(QAccessible::Notification) << "Percentage 50%" << true;
  QTest::newRow("a value taken is said with its cell")
      << "commit" << int(QAccessible::ObjectShow) << int(QAccessible::Notification)
      << "Rx Frequency, channel 2, 446.00000" << true;
  QTest::newRow("the same editor one cell on is a new focus")
      << "down" << int(QAccessible::Focus) << int(QAccessible::EditableText) << "Rx Frequency, channel 3" << true;
  QTest::newRow("the grid taking the focus says its cell")
      << "escape" << int(QAccessible::ObjectShow) << int(QAccessible::Notification) << "Rx Frequency, channel 2, empty"
      << true;
}

void AccessibilityTest::announcements() {
  QFETCH(QString, action);
  QFETCH(int, event);
  QFETCH(int, role);
  QFETCH(QString, heard);
  QFETCH(bool, told);

  ShellFixture shell(ViewProfile("English"));
  QVERIFY(StartActive(shell));
  CMainFrame* frame = shell.Frame();
  CProgramView* view = frame->ActiveView();
  CMSFlexGrid* grid = view->Grid();
  grid->SetCurrentCell(2, 1);

  // As a screen reader on the bus would: accessibility on, every event heard.
  QPlatformAccessibility* platform = QGuiApplicationPrivate::platform_integration->accessibility();
  g_heard.clear();
  platform->setActive(true);
  QAccessible::installUpdateHandler(&Hear);
  const auto off = qScopeGuard([platform] {
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
  });
  QVERIFY(QAccessible::isActive());
  if (action == "move") {
    grid->SetCurrentCell(2, 2);
  } else if (action == "down") {
    grid->SetCurrentCell(3, 1);
  } else if (action == "escape") {
    QTest::keyClick(view->Editor(2127), Qt::Key_Escape);
    QTest::qWait(0);
  } else if (action == "commit" || action == "refuse") {
    // The real message box, closed once it is up.
    SetMessageBoxHook({});
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(10);
    auto* editor = qobject_cast<QLineEdit*>(view->Editor(2127));
    editor->setText(action == "commit" ? "446" : "446.001");
    QTest::keyClick(editor, Qt::Key_Return);
  } else if (action.startsWith("message")) {
    if (action == "message after another") {
      frame->statusBar()->showMessage(QStringLiteral("Reading"));
      g_heard.clear();
    }
    frame->statusBar()->showMessage(heard);
  } else if (action == "tip") {
    QStatusTipEvent tip(heard);
    QApplication::sendEvent(frame, &tip);
  } else if (action == "progress") {
    frame->OnCommand(Cmd::kRead);
    auto* progress = frame->findChild<CProgressDlg*>();
    QVERIFY(progress != nullptr);
    progress->SetProgress(32, QStringLiteral("50%"));
    progress->reject();
  }

  int matching = 0;
  QStringList all;
  for (const Heard& h : g_heard) {
    all << QString("%1/%2 %3").arg(int(h.type), 0, 16).arg(int(h.role), 0, 16).arg(h.text);
    if (int(h.type) != event || int(h.role) != role || h.text != heard) continue;
    QVERIFY2(h.reachable, qPrintable(h.text + " is not among its parent's children"));
    ++matching;
  }
  QVERIFY2((matching > 0) == told, qPrintable(QString::number(matching) + " heard: " + all.join(", ")));
}

void AccessibilityTest::keyboard_data() {
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expected");
  // "editor": the focus on the editor open over the table's current cell.
  QTest::newRow("F6 from the table to the tree") << "F6"
                                                 << "tree";
  QTest::newRow("F6 twice comes back to the cell being edited") << "F6 F6"
                                                                << "editor";
  QTest::newRow("F6 into the table opens the current cell's editor") << "F6 drop F6"
                                                                     << "editor";
  QTest::newRow("Shift+F6 the other way") << "Shift+F6"
                                          << "tree";
  QTest::newRow("F6 skips a hidden navigation bar") << "hide F6"
                                                    << "editor";
  QTest::newRow("hiding the bar takes the focus out of it") << "F6 hide"
                                                            << "editor";
  QTest::newRow("Shift+F10 opens the table's menu") << "Shift+F10"
                                                    << "menu";
  QTest::newRow("the Menu key opens it") << "Menu"
                                         << "menu";
}

void AccessibilityTest::keyboard() {
  QFETCH(QString, keys);
  QFETCH(QString, expected);

  ShellFixture shell(ViewProfile("English"));
  QVERIFY(StartActive(shell));
  CMainFrame* frame = shell.Frame();
  CProgramView* view = frame->ActiveView();
  view->Grid()->SetCurrentCell(1, 1);
  QTRY_VERIFY(view->isAncestorOf(QApplication::focusWidget()));
  for (const QString& key : keys.split(' ')) {
    QWidget* focus = QApplication::focusWidget();
    if (key == "hide")
      frame->ShowControlBar(false);
    else if (key == "drop")  // as a Read does to an edit in progress
      view->RefreshFromImage();
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
  if (expected == "tree") {
    QCOMPARE(focus, static_cast<QWidget*>(frame->NavigationBar()->Tree()));
    return;
  }
  QWidget* editor = OpenEditor(view->Grid());
  QVERIFY2(editor != nullptr && (editor == focus || editor->isAncestorOf(focus)), focus->metaObject()->className());
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
