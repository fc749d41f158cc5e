// Every text the window shows comes from the catalogue: with pseudo texts on,
// each catalogue text reads "[!English!]", so a visible text that still holds
// a word outside such brackets was written somewhere else. Data is excepted:
// numbers, tone codes, port names, addresses and bytes, file names and what
// "Program.ini" itself says.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/lang/PseudoTexts.h"
#include "core/radio/ImageMap.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/HtmlHelp.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/editor/ViewProfile.h"
#include "gui/shell/AppGlobals.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/CommandDialogs.h"
#include "support/ShellFixture.h"

namespace {

constexpr int kMainWindow = 0;

// What is left of `text` once the catalogue's texts and the data are taken
// out; empty when every word came from the catalogue.
QString Unwrapped(QString text) {
  static const QRegularExpression innermost(QStringLiteral("\\[!((?!\\[!).)*?!\\]"),
                                            QRegularExpression::DotMatchesEverythingOption);
  while (text.contains(innermost)) text.remove(innermost);
  // What ViewProfile's "Program.ini" says, and data the program shows as it is.
  static const QRegularExpression data(
      QStringLiteral("QR-450|QR-160|\\d+-\\d+MHz|Quillmoor Radio Works|Quillmoor Programmer|16-Channel FM Radio|"
                     "\\bD\\d{3}[NI]\\b|\\bCOM\\d+\\b|\\bMHz\\b|[\\w.-]+\\.dat\\b|\\bV\\d[\\d.]*\\b|/dev/\\S+|"
                     "\\b0x[0-9A-F]+\\b|\\b[0-9A-F]{2}\\b"));
  text.remove(data);
  for (QChar c : text)
    if (c.isLetter()) return text.simplified();
  return {};
}

void Check(const QString& where, const QString& text, QStringList& found) {
  if (!text.isEmpty() && !Unwrapped(text).isEmpty()) found << where + ": \"" + text + "\"";
}

void CheckActions(const QString& where, const QList<QAction*>& actions, QStringList& found) {
  for (QAction* action : actions) {
    if (action->isSeparator() || !action->isVisible()) continue;
    Check(where + " action", action->text(), found);
    Check(where + " tool tip", action->toolTip(), found);
    Check(where + " status tip", action->statusTip(), found);
    if (action->menu() != nullptr) CheckActions(where + "/" + action->text(), action->menu()->actions(), found);
  }
}

void CheckItems(const QString& where, const QAbstractItemModel* model, QStringList& found) {
  for (int c = 0; c < model->columnCount(); ++c)
    Check(where + " header", model->headerData(c, Qt::Horizontal).toString(), found);
  for (int r = 0; r < model->rowCount(); ++r)
    for (int c = 0; c < model->columnCount(); ++c) {
      const QModelIndex index = model->index(r, c);
      Check(where + " item", model->data(index).toString(), found);
      Check(where + " item tool tip", model->data(index, Qt::ToolTipRole).toString(), found);
      if (model->hasChildren(index)) {
        // A tree's children: walk them as rows of their own.
        for (int child = 0; child < model->rowCount(index); ++child)
          Check(where + " child", model->data(model->index(child, c, index)).toString(), found);
      }
    }
}

// Each visible widget's texts, the window's title first.
QStringList UnwrappedTexts(QWidget* window) {
  QStringList found;
  Check("title", window->windowTitle(), found);
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    if (!w->isVisible()) continue;
    const QString where = w->metaObject()->className() + QString(" ") + w->objectName();
    Check(where + " tool tip", w->toolTip(), found);
    Check(where + " accessible name", w->accessibleName(), found);
    Check(where + " accessible description", w->accessibleDescription(), found);
    if (auto* label = qobject_cast<QLabel*>(w)) Check(where, label->text(), found);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) Check(where, button->text(), found);
    if (auto* group = qobject_cast<QGroupBox*>(w)) Check(where, group->title(), found);
    if (auto* combo = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < combo->count(); ++i) Check(where + " entry", combo->itemText(i), found);
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) CheckItems(where, view->model(), found);
    if (auto* bar = qobject_cast<QMenuBar*>(w)) CheckActions(where, bar->actions(), found);
    if (auto* status = qobject_cast<QStatusBar*>(w)) Check(where, status->currentMessage(), found);
    // A child window's system menu is Qt's own, in the language of the Qt
    // translations the program loads with its language module.
    if (!qobject_cast<QMdiSubWindow*>(w)) CheckActions(where, w->actions(), found);
  }
  found.removeDuplicates();
  return found;
}

}  // namespace

class PseudoTextsTest : public QObject {
  Q_OBJECT
 private slots:
  void everyTextFromTheCatalogue_data();
  void everyTextFromTheCatalogue();
};

void PseudoTextsTest::everyTextFromTheCatalogue_data() {
  QTest::addColumn<int>("command");
  QTest::newRow("Main window") << kMainWindow;
  for (const auto& [name, command] : CommandDialogList()) QTest::newRow(name) << command;
}

void PseudoTextsTest::everyTextFromTheCatalogue() {
  QFETCH(int, command);
  SetPseudoTexts(true);
  const auto off = qScopeGuard([] { SetPseudoTexts(false); });
  ShellFixture shell(ViewProfile("English"));
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  QStringList found;

  if (command == kMainWindow) {
    found = UnwrappedTexts(frame);
    CProgramView* view = frame->ActiveView();
    QVERIFY(view != nullptr);
    std::unique_ptr<QMenu> context(view->ChannelCommands().ContextMenu(view));
    CheckActions("context menu", context->actions(), found);
  } else {
    QVERIFY(ShowCommandDialogs(shell, command, [&](QWidget& window) { found << UnwrappedTexts(&window); }));
  }
  for (const MessageRequest& message : shell.messages) {
    Check("message caption", message.caption, found);
    Check("message", message.text, found);
  }
  for (const QString& text : found) qWarning().noquote() << text;
  QVERIFY2(found.isEmpty(), "texts outside the catalogue, listed above");
}

QTEST_MAIN(PseudoTextsTest)
#include "PseudoTextsTest.moc"
