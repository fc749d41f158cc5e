// Ctrl+F11 and the service password add the two service dialogs to the
// navigation tree and the Edit menu, once.
#include <QAction>
#include <QMenu>
#include <QTreeWidgetItem>

#include "core/shell/NavigationItems.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/app/PasswordDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ProgramIcons.h"

void CMainFrame::UnlockService() {
  CPasswordDlg dialog(this);
  dialog.m_nPasswordChoice = 2;
  if (dialog.DoModal() != QDialog::Accepted) return;
  g_bServiceMode = true;
  QMenu* edit = m_menus129.at(1);
  const QList<QAction*> items = edit->actions();
  if (!items.isEmpty() && CommandOf(items.back()) == Cmd::kParamAdjust) return;
  for (const NavigationItem* item : {&NavPowerAdjustment(), &NavParameterAdjustment()}) {
    auto* child = new QTreeWidgetItem(m_pNavRoot, QStringList{LangString(item->text)});
    child->setIcon(0, TreeItemImage());
  }
  for (const NavigationItem* item : {&NavPowerAdjustment(), &NavParameterAdjustment()})
    edit->addAction(MakeCommandAction(LangString(item->text), item->command, edit));
  UpdateCommandUI();
}
