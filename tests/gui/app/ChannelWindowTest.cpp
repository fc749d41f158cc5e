// The channel window inside the main window: Ctrl+W reaches the frame's
// Write wherever the focus is, and a window larger than the frame can be
// scrolled into view.
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include "core/shell/ResourceIds.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/app/NavigationBar.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/editor/ViewProfile.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ShellFixture.h"

class ChannelWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ctrlWRunsWrite_data();
  void ctrlWRunsWrite();
  void wideWindowScrolls();
  void modifiedMark_data();
  void modifiedMark();
};

void ChannelWindowTest::ctrlWRunsWrite_data() {
  QTest::addColumn<QString>("focus");
  QTest::newRow("in a cell editor") << "editor";
  QTest::newRow("on the grid") << "grid";
  QTest::newRow("on the navigation tree") << "tree";
}

void ChannelWindowTest::ctrlWRunsWrite() {
  QFETCH(QString, focus);
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(frame));
  CProgramView* view = frame->ActiveView();
  if (focus == QLatin1String("editor")) view->Grid()->SetCurrentCell(3, 1);
  if (focus == QLatin1String("grid")) view->Grid()->setFocus();
  if (focus == QLatin1String("tree")) frame->NavigationBar()->Tree()->setFocus();
  QVERIFY(QApplication::focusWidget() != nullptr);

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
  // Write's progress window is up, waiting for its OK.
  const QList<CProgressDlg*> progress = frame->findChildren<CProgressDlg*>();
  QCOMPARE(progress.size(), 1);
  QVERIFY(progress.front()->isVisible());
  QCOMPARE(progress.front()->windowTitle(), QStringLiteral("Write Data"));
  progress.front()->CancelButton()->click();
  QVERIFY(frame->MDIGetActive()->isVisible());
}

void ChannelWindowTest::wideWindowScrolls() {
  ShellFixture shell;
  QVERIFY(shell.Start());
  CMainFrame* frame = shell.Frame();
  frame->showNormal();
  frame->resize(480, 300);
  CChildFrame* child = frame->MDIGetActive();
  QTRY_VERIFY(frame->Client()->horizontalScrollBar()->isVisible());
  QScrollBar* across = frame->Client()->horizontalScrollBar();
  across->setValue(across->maximum());
  // The right edge of the channel window is now inside the area.
  const int right = child->mapTo(frame->Client()->viewport(), QPoint(child->width(), 0)).x();
  QVERIFY(right <= frame->Client()->viewport()->width());
}

void ChannelWindowTest::modifiedMark_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("title");  // once saved, with Qt's placeholder
  QTest::newRow("plain name") << "radio.dat"
                              << "radio.dat[*]";
  QTest::newRow("name holding the placeholder") << "a[*]b.dat"
                                                << "a[*][*]b.dat[*]";
}

// The channel window's title carries the modified mark while the document
// has unsaved changes.
void ChannelWindowTest::modifiedMark() {
  QFETCH(QString, file);
  QFETCH(QString, title);
  ShellFixture shell(ViewProfile("English"));
  QVERIFY(shell.Start());
  shell.Frame()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(shell.Frame()));
  CChildFrame* child = shell.Frame()->MDIGetActive();
  QVERIFY(!child->isWindowModified());
  QVERIFY(child->windowTitle().endsWith(QLatin1String("[*]")));
  CMSFlexGrid* grid = shell.Frame()->ActiveView()->Grid();
  grid->SetCurrentCell(2, 1);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("446.5"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(child->isWindowModified());
  shell.fileNames = {QString::fromStdString(shell.FilePath(file.toStdString()))};
  shell.Frame()->OnCommand(Cmd::kFileSaveAs);
  QCOMPARE(child->windowTitle(), title);
  QVERIFY(!child->isWindowModified());
}

QTEST_MAIN(ChannelWindowTest)
#include "ChannelWindowTest.moc"
