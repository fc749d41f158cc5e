// The navigation bar: width drag limits, the close button, its caption, and
// the tree that opens each editor once per click.
#include <QAction>
#include <QCursor>
#include <QHelpEvent>
#include <QMap>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/app/NavigationBar.h"
#include "support/ShellFixture.h"

namespace {
constexpr int kFrameWidth = 700;  // half of it: 350

void Settle(CMainFrame* frame) {
  frame->showNormal();
  frame->resize(kFrameWidth, 500);
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  frame->NavigationBar()->repaint();  // the close button is placed at paint
}

QPoint CloseCentre(const CNavigationBar* bar) {
  const NavRect& r = bar->m_rcClose;
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

QPoint StripPoint(const CNavigationBar* bar) { return {bar->m_rcFrame.right + 3, bar->m_rcFrame.top + 40}; }

// Clicks the tree item with the pointer resting on it, as a user does.
void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
  const QPoint centre = tree->visualItemRect(item).center();
  QCursor::setPos(tree->viewport()->mapToGlobal(centre));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
}
}  // namespace

class NavigationBarTest : public QObject {
  Q_OBJECT
 private slots:
  void widthDrag_data();
  void widthDrag();
  void closeButton_data();
  void closeButton();
  void closeButtonLook();
  void closeButtonOutlineGoesWithThePointer_data();
  void closeButtonOutlineGoesWithThePointer();
  void closeToolTip();
  void doubleClickDoesNothing();
  void caption_data();
  void caption();
  void treeClickRunsItsCommandOnce_data();
  void treeClickRunsItsCommandOnce();
  void keysWalkTheTreeAndEnterChooses_data();
  void keysWalkTheTreeAndEnterChooses();
  void rootAndEmptySpaceDoNothing();
  void otherButtonsDoNothing_data();
  void otherButtonsDoNothing();
  void treeLinesAndNoSelection();
  void channelItemShowsTheHiddenWindow();
};

void NavigationBarTest::widthDrag_data() {
  QTest::addColumn<int>("moveX");
  QTest::addColumn<int>("trackerX");
  QTest::addColumn<int>("width");

  QTest::newRow("narrow: tracker stops at 80, width at 11") << 2 << 80 << 11;
  QTest::newRow("below 11") << -40 << 80 << 11;
  QTest::newRow("between the limits") << 150 << 150 << 150;
  QTest::newRow("at half the frame") << 350 << 350 << 350;
  QTest::newRow("beyond half the frame") << 600 << 350 << 350;
  QTest::newRow("between 11 and 80") << 50 << 80 << 50;
}

void NavigationBarTest::widthDrag() {
  QFETCH(int, moveX);
  QFETCH(int, trackerX);
  QFETCH(int, width);

  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CNavigationBar* bar = shell.Frame()->NavigationBar();
  const QPoint strip = StripPoint(bar);
  QTest::mousePress(bar, Qt::LeftButton, {}, strip);
  QVERIFY(bar->m_bSizing);
  QTest::mouseMove(bar, QPoint(moveX, strip.y()));
  QCOMPARE(bar->TrackerX(), trackerX);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(moveX, strip.y()));
  QCOMPARE(bar->TrackerX(), -1);
  QVERIFY(!bar->m_bSizing);
  QCOMPARE(bar->m_nWidth, width);
  QCOMPARE(bar->width(), width);
  QVERIFY(!bar->isHidden());
}

void NavigationBarTest::closeButton_data() {
  QTest::addColumn<bool>("releaseInside");
  QTest::newRow("released on the button") << true;
  QTest::newRow("released beside it") << false;
}

void NavigationBarTest::closeButton() {
  QFETCH(bool, releaseInside);
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  Settle(frame);
  CNavigationBar* bar = frame->NavigationBar();
  QVERIFY(!bar->m_rcClose.IsEmpty());
  QAction* controlBar = FindCommand(frame->CurrentMenus().at(3), Cmd::kControlBar);
  QVERIFY(controlBar->isChecked());

  const QPoint press = CloseCentre(bar);
  const QPoint release = releaseInside ? press : QPoint(press.x() - 60, press.y() + 60);
  QTest::mousePress(bar, Qt::LeftButton, {}, press);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, release);
  QCOMPARE(bar->isHidden(), releaseInside);
  QCOMPARE(controlBar->isChecked(), !releaseInside);
  QCOMPARE(bar->width(), 220);

  // View, Control Bar brings it back, and hides it again.
  frame->OnCommand(Cmd::kControlBar);
  QCOMPARE(bar->isHidden(), !releaseInside);
  QCOMPARE(controlBar->isChecked(), releaseInside);
}

void NavigationBarTest::closeButtonLook() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CNavigationBar* bar = shell.Frame()->NavigationBar();
  const QPoint inside = CloseCentre(bar);
  const QPoint outside(inside.x() - 60, inside.y() + 60);

  QTest::mouseMove(bar, inside);
  QVERIFY(bar->m_bCloseHot);
  QVERIFY(!bar->m_bClosePressed);
  QTest::mousePress(bar, Qt::LeftButton, {}, inside);
  QVERIFY(!bar->m_bCloseHot);
  QVERIFY(bar->m_bClosePressed);
  QTest::mouseMove(bar, outside);
  QVERIFY(!bar->m_bCloseHot);
  QVERIFY(!bar->m_bClosePressed);
  QTest::mouseMove(bar, inside);  // still held: pressed again, not hot
  QVERIFY(!bar->m_bCloseHot);
  QVERIFY(bar->m_bClosePressed);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, outside);
  QVERIFY(!bar->m_bCloseHot);
  QVERIFY(!bar->m_bClosePressed);
  QVERIFY(!bar->m_bMouseDown);
  QVERIFY(!bar->isHidden());
}

void NavigationBarTest::closeButtonOutlineGoesWithThePointer_data() {
  QTest::addColumn<QString>("path");
  QTest::newRow("onto the tree") << "tree";
  QTest::newRow("off the window") << "away";
  QTest::newRow("bar hidden") << "hidden";
}

void NavigationBarTest::closeButtonOutlineGoesWithThePointer() {
  QFETCH(QString, path);
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CNavigationBar* bar = shell.Frame()->NavigationBar();
  QTest::mouseMove(bar, CloseCentre(bar) - QPoint(40, 0));
  QTest::mouseMove(bar, CloseCentre(bar));
  QVERIFY(bar->m_bCloseHot);
  // The pointer jumps: the bar sees no move outside the button.
  if (path == QLatin1String("tree")) {
    QTest::mouseMove(bar->Tree()->viewport(), QPoint(20, 20));
  } else if (path == QLatin1String("away")) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar, &leave);
  } else {
    shell.Frame()->OnCommand(Cmd::kControlBar);
    shell.Frame()->OnCommand(Cmd::kControlBar);
  }
  QVERIFY(!bar->m_bCloseHot);
  QVERIFY(!bar->m_bClosePressed);
}

void NavigationBarTest::closeToolTip() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CNavigationBar* bar = shell.Frame()->NavigationBar();
  const QPoint inside = CloseCentre(bar);
  QHelpEvent help(QEvent::ToolTip, inside, bar->mapToGlobal(inside));
  QCoreApplication::sendEvent(bar, &help);
  QTRY_COMPARE(QToolTip::text(), QStringLiteral("Close"));
  QToolTip::hideText();
}

void NavigationBarTest::doubleClickDoesNothing() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CNavigationBar* bar = shell.Frame()->NavigationBar();
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(StripPoint(bar)),
                          bar->mapToGlobal(QPointF(StripPoint(bar))), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(bar, &doubleClick);
  QVERIFY(!bar->m_bSizing);
  QVERIFY(!bar->m_bMouseDown);
  QCOMPARE(bar->m_nWidth, 220);
  QVERIFY(!bar->isHidden());
  QVERIFY(bar->isWindow() == false);
}

void NavigationBarTest::caption_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("company");
  QTest::addColumn<QString>("caption");
  QTest::newRow("English") << "English"
                           << "Quillmoor Radio Works"
                           << "Quillmoor Radio Works";
  QTest::newRow("empty") << "English"
                         << ""
                         << "";
  QTest::newRow("Chinese section") << "Chinese"
                                   << "Quillmoor Radio Works"
                                   << "奎尔摩无线电";
}

void NavigationBarTest::caption() {
  QFETCH(QString, language);
  QFETCH(QString, company);
  QFETCH(QString, caption);
  ShellFixture shell(MakeProfile(language.toStdString(), "ShowLang=1\n", company.toStdString()));
  QVERIFY(shell.Start());
  QCOMPARE(shell.Frame()->NavigationBar()->m_strCaption, caption);
}

void NavigationBarTest::treeClickRunsItsCommandOnce_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<int>("item");
  QTest::addColumn<int>("command");
  QTest::newRow("Product Information") << "English" << 0 << Cmd::kProductInformation;
  QTest::newRow("Optional Features") << "English" << 2 << Cmd::kOptionalFeatures;
  QTest::newRow("类型设置") << "Chinese" << 0 << Cmd::kProductInformation;
  QTest::newRow("可选功能") << "Chinese" << 2 << Cmd::kOptionalFeatures;
}

void NavigationBarTest::treeClickRunsItsCommandOnce() {
  QFETCH(QString, language);
  QFETCH(int, item);
  QFETCH(int, command);

  ShellFixture shell(MakeProfile(language.toStdString()));
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  std::vector<int> runs;
  for (int id : {Cmd::kProductInformation, Cmd::kOptionalFeatures})
    shell.Frame()->SetCommandHandler(id, [&runs, id] { runs.push_back(id); });
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  QTreeWidgetItem* root = shell.Frame()->NavRoot();

  ClickItem(tree, root->child(item));
  QCOMPARE(runs, std::vector<int>{command});
  QCOMPARE(tree->currentItem(), root);
  // The same item again: its selection changes again, so it runs again.
  ClickItem(tree, root->child(item));
  QCOMPARE(runs, (std::vector<int>{command, command}));
}

void NavigationBarTest::keysWalkTheTreeAndEnterChooses_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("keys");   // D Down, R Return, S Space
  QTest::addColumn<int>("thenClick");  // a click on the item the keys reached: 1 with the focus gone first, 2 kept
  QTest::addColumn<std::vector<int>>("runs");
  QTest::addColumn<int>("current");  // the child current afterwards; -1 the root
  QTest::newRow("arrows only move") << "English"
                                    << "DDD" << 0 << std::vector<int>{} << 2;
  QTest::newRow("Enter chooses") << "English"
                                 << "DDDR" << 0 << std::vector<int>{Cmd::kOptionalFeatures} << -1;
  QTest::newRow("Space chooses") << "Chinese"
                                 << "DS" << 0 << std::vector<int>{Cmd::kProductInformation} << -1;
  QTest::newRow("Enter on the root") << "English"
                                     << "R" << 0 << std::vector<int>{} << -1;
  QTest::newRow("a click after the focus left") << "English"
                                                << "DDD" << 1 << std::vector<int>{Cmd::kOptionalFeatures} << -1;
  QTest::newRow("a click with the focus kept") << "English"
                                               << "DDD" << 2 << std::vector<int>{Cmd::kOptionalFeatures} << -1;
}

// The item under the pointer has no say in what the keys choose.
void NavigationBarTest::keysWalkTheTreeAndEnterChooses() {
  QFETCH(QString, language);
  QFETCH(QString, keys);
  QFETCH(int, thenClick);
  QFETCH(std::vector<int>, runs);
  QFETCH(int, current);

  ShellFixture shell(MakeProfile(language.toStdString()));
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  std::vector<int> ran;
  for (int id : {Cmd::kProductInformation, Cmd::kOptionalFeatures})
    shell.Frame()->SetCommandHandler(id, [&ran, id] { ran.push_back(id); });
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  QTreeWidgetItem* root = shell.Frame()->NavRoot();
  QCursor::setPos(tree->viewport()->mapToGlobal(tree->visualItemRect(root->child(0)).center()));
  shell.Frame()->activateWindow();
  tree->setFocus();
  QTRY_VERIFY(tree->hasFocus());
  const QMap<QChar, Qt::Key> named{{'D', Qt::Key_Down}, {'R', Qt::Key_Return}, {'S', Qt::Key_Space}};
  for (const QChar key : keys) QTest::keyClick(tree, named.value(key));
  if (thenClick == 1) tree->clearFocus();
  if (thenClick != 0) ClickItem(tree, root->child(2));
  QCOMPARE(ran, runs);
  QCOMPARE(tree->currentItem(), current < 0 ? root : root->child(current));
}

void NavigationBarTest::rootAndEmptySpaceDoNothing() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  int runs = 0;
  shell.Frame()->SetCommandHandler(Cmd::kProductInformation, [&runs] { ++runs; });
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  ClickItem(tree, shell.Frame()->NavRoot());
  // A selection change with the pointer over empty space.
  const QPoint empty(5, tree->viewport()->height() - 3);
  QCursor::setPos(tree->viewport()->mapToGlobal(empty));
  tree->setCurrentItem(shell.Frame()->NavRoot()->child(0));
  QCOMPARE(runs, 0);
  QCOMPARE(tree->currentItem(), shell.Frame()->NavRoot());
}

void NavigationBarTest::otherButtonsDoNothing_data() {
  QTest::addColumn<int>("button");
  QTest::newRow("right") << int(Qt::RightButton);
  QTest::newRow("middle") << int(Qt::MiddleButton);
}

// Only a change of the selection acts, and only the left button changes it.
void NavigationBarTest::otherButtonsDoNothing() {
  QFETCH(int, button);
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  int runs = 0;
  shell.Frame()->SetCommandHandler(Cmd::kOptionalFeatures, [&runs] { ++runs; });
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  QTreeWidgetItem* item = shell.Frame()->NavRoot()->child(2);
  const QPoint centre = tree->visualItemRect(item).center();
  QCursor::setPos(tree->viewport()->mapToGlobal(centre));
  QTest::mouseClick(tree->viewport(), Qt::MouseButton(button), {}, centre);
  QTest::mouseDClick(tree->viewport(), Qt::MouseButton(button), {}, centre);
  QCOMPARE(runs, 0);
  QCOMPARE(tree->currentItem(), shell.Frame()->NavRoot());
}

// Any pixel in `area` unlike the tree's empty background.
bool Inked(const QImage& image, const QRect& area, QRgb background) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) != background) return true;
  return false;
}

void NavigationBarTest::treeLinesAndNoSelection() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  QTreeWidget* tree = shell.Frame()->NavigationBar()->Tree();
  QVERIFY(tree->selectedItems().isEmpty());
  const QImage image = tree->viewport()->grab().toImage();
  const QRgb background = image.pixel(image.width() - 2, image.height() - 2);
  const int indent = tree->indentation();
  const QRect root = tree->visualItemRect(shell.Frame()->NavRoot());
  const QRect child = tree->visualItemRect(shell.Frame()->NavRoot()->child(0));
  // A child's own branch column holds its line; the root's line runs on to
  // the right edge of its column, past the box.
  QVERIFY(Inked(image, QRect(child.left() - indent, child.top(), indent, child.height()), background));
  QVERIFY(Inked(image, QRect(root.left() - 3, root.center().y() - 1, 3, 3), background));
}

void NavigationBarTest::channelItemShowsTheHiddenWindow() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  Settle(shell.Frame());
  CChildFrame* child = shell.Frame()->MDIGetActive();
  child->close();
  QVERIFY(child->isHidden());
  ClickItem(shell.Frame()->NavigationBar()->Tree(), shell.Frame()->NavRoot()->child(1));
  QVERIFY(!child->isHidden());
}

QTEST_MAIN(NavigationBarTest)
#include "NavigationBarTest.moc"
