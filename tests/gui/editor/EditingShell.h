#pragma once
// The program with its channel window, for tests that edit the table through
// the real editors, keys and commands.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ViewProfile.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/widgets/MSFlexGrid.h"
#include "support/ShellFixture.h"

struct EditingShell {
  ShellFixture shell{ViewProfile("English")};
  CProgramView* view = nullptr;
  CMSFlexGrid* grid = nullptr;

  bool Start() {
    if (!shell.Start()) return false;
    view = shell.Frame()->ActiveView();
    grid = view->Grid();
    shell.Frame()->activateWindow();
    return view != nullptr && QTest::qWaitForWindowActive(shell.Frame());
  }
  void SetRow(int row, const QStringList& cells) {
    ChannelTable table = view->Table();
    for (int c = 1; c <= 8; ++c) table[row - 1][c] = cells[c - 1].toStdString();
    view->SetTable(table);
  }
  QStringList Row(int row) const {
    QStringList cells;
    for (int c = 1; c <= 8; ++c) cells << grid->GetTextMatrix(row, c);
    return cells;
  }
  // Types into the editor that has the focus, replacing its text.
  static void Type(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(focus, Qt::Key_Delete);
    else
      QTest::keyClicks(focus, text);
  }
  QPoint CellCentre(int row, int col) const {
    return grid->visualRect(grid->model()->index(row - 1, col - 1)).center();
  }
  // A menu command, as the menu item runs it.
  void Run(int command) const { shell.Frame()->OnCommand(command); }
  bool Enabled(int command) const { return shell.Frame()->IsCommandEnabled(command); }
};
