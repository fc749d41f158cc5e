#include "gui/app/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "core/profile/ProfileFile.h"
#include "core/shell/HelpTopics.h"
#include "core/shell/KeyLocks.h"
#include "core/shell/NavigationItems.h"
#include "core/shell/PaneCycle.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/HtmlHelp.h"
#include "gui/app/LanguageRestart.h"
#include "gui/app/NavigationBar.h"
#include "gui/app/NavigationTree.h"
#include "gui/app/StatusNotice.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ProgramIcons.h"

CMainFrame::CMainFrame() {
  resize(900, 550);
  setAcceptDrops(true);
  setWindowTitle(ResourceText(StringKey(Res::kMainFrame)));
  setWindowIcon(BuiltInProgramIcon());
}

CMainFrame::~CMainFrame() {
  // The base class hides the children while it destroys them; nothing of
  // this class may run from their signals by then.
  qApp->removeEventFilter(this);
  if (m_wndClient != nullptr) disconnect(m_wndClient, nullptr, this, nullptr);
  if (m_wndNavBar != nullptr) {
    disconnect(m_wndNavBar, nullptr, this, nullptr);
    if (m_wndNavBar->Tree() != nullptr) disconnect(m_wndNavBar->Tree(), nullptr, this, nullptr);
  }
  for (const auto* menus : {&m_menus128, &m_menus129})
    for (QMenu* menu : *menus) disconnect(menu, nullptr, this, nullptr);
}

bool CMainFrame::OnCreate() {
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  BuildAccelerators();

  auto* central = new QWidget(this);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_wndNavBar = new CNavigationBar(this, central);
  if (!BuildNavigationBar()) return false;
  m_wndClient = new CBackgroundClient(central);
  layout->addWidget(m_wndNavBar);
  layout->addWidget(m_wndClient, 1);
  setCentralWidget(central);

  connect(m_wndClient, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (window != nullptr) m_pLastActive = window;
    UpdateCommandUI();
  });
  connect(m_wndNavBar, &CNavigationBar::closeRequested, this, [this] { ShowControlBar(false); });
  qApp->installEventFilter(this);
  UpdateMenuForDocuments();
  UpdateLockIndicators();
  UpdateCommandUI();
  return true;
}

void CMainFrame::BuildStatusBar() {
  m_wndStatusBar = new QStatusBar(this);
  m_pIdleMessage = new QLabel(ResourceText(StringKey(Res::kStrIdle)), m_wndStatusBar);
  m_wndStatusBar->addWidget(m_pIdleMessage, 1);
  for (int id : {Res::kStrIndicatorCaps, Res::kStrIndicatorNum, Res::kStrIndicatorScroll}) {
    auto* indicator = new QLabel(ResourceText(StringKey(id)), m_wndStatusBar);
    indicator->setFrameShape(QFrame::StyledPanel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(indicator->text()) + 12);
    m_wndStatusBar->addPermanentWidget(indicator);
    m_lockIndicators.push_back(indicator);
  }
  new CStatusNotice(m_wndStatusBar);
  setStatusBar(m_wndStatusBar);
}

void CMainFrame::UpdateLockIndicators() {
  const KeyLock locks[] = {KeyLock::Caps, KeyLock::Num, KeyLock::Scroll};
  for (std::size_t i = 0; i < m_lockIndicators.size(); ++i) m_lockIndicators[i]->setEnabled(KeyLockOn(locks[i]));
}

bool CMainFrame::BuildNavigationBar() {
  if (!m_wndNavBar->Initialize()) return false;
  CNavigationTree* tree = m_wndNavBar->Tree();
  if (tree == nullptr) return false;
  m_pNavRoot = new QTreeWidgetItem(tree, QStringList{FromStd(g_profile.GetString(g_strLanguage, "Company", ""))});
  m_pNavRoot->setIcon(0, TreeRootImage());
  for (const NavigationItem* item : {&NavProductInformation(), &NavChannelInformation(), &NavOptionalFeatures()}) {
    auto* child = new QTreeWidgetItem(m_pNavRoot, QStringList{LangString(item->text)});
    child->setIcon(0, TreeItemImage());
  }
  m_pNavRoot->setExpanded(true);
  // Current, so that the focus coming to the tree moves nothing, but not
  // shown as selected before the user picks an item.
  m_bReselectingRoot = true;
  tree->setCurrentItem(m_pNavRoot, 0, QItemSelectionModel::NoUpdate);
  m_bReselectingRoot = false;
  connect(tree, &QTreeWidget::currentItemChanged, this, [this] { OnNavSelChanged(); });
  connect(tree, &CNavigationTree::itemChosen, this, [this](QTreeWidgetItem* item) { RunNavItem(item); });
  return true;
}

void CMainFrame::OnNavSelChanged() {
  // Selecting the root again below raises a second change; the item under
  // the pointer has had its turn already.
  if (m_bReselectingRoot) return;
  const CNavigationTree* tree = m_wndNavBar->Tree();
  // A key only moves the current item; Enter or Space runs it.
  if (tree->MovingQuietly()) return;
  const QPoint pointer = tree->viewport()->mapFromGlobal(QCursor::pos());
  RunNavItem(tree->itemAt(pointer));
}

void CMainFrame::RunNavItem(const QTreeWidgetItem* item) {
  QTreeWidget* tree = m_wndNavBar->Tree();
  const std::string text = item != nullptr ? ToStd(item->text(0)) : std::string();
  const int command = NavCommandForText(text.c_str(), CurrentLanguage());
  if (command != 0) OnCommand(command);
  m_bReselectingRoot = true;
  tree->setCurrentItem(m_pNavRoot);
  m_bReselectingRoot = false;
}

CChildFrame* CMainFrame::MDIGetActive() const {
  if (m_wndClient == nullptr) return nullptr;
  if (auto* active = qobject_cast<CChildFrame*>(m_wndClient->currentSubWindow())) return active;
  return qobject_cast<CChildFrame*>(m_pLastActive.data());
}

CProgramView* CMainFrame::ActiveView() const {
  CChildFrame* frame = MDIGetActive();
  return frame == nullptr ? nullptr : frame->View();
}

void CMainFrame::ShowControlBar(bool show) {
  // The focus does not stay behind in a bar that goes away.
  const bool hadFocus = m_wndNavBar->isAncestorOf(QApplication::focusWidget());
  m_wndNavBar->setVisible(show);
  if (!show && hadFocus) CyclePanes(true);
  UpdateCommandUI();
}

void CMainFrame::CyclePanes(bool forward) {
  std::vector<QWidget*> panes{m_wndNavBar->Tree()};
  for (QMdiSubWindow* window : m_wndClient->subWindowList()) panes.push_back(window);
  std::vector<bool> available;
  int current = -1;
  const QWidget* focus = QApplication::focusWidget();
  for (std::size_t i = 0; i < panes.size(); ++i) {
    available.push_back(panes[i]->isVisibleTo(this) && panes[i]->isEnabled());
    if (focus != nullptr && (panes[i] == focus || panes[i]->isAncestorOf(focus))) current = static_cast<int>(i);
  }
  const int next = NextPane(available, current, forward);
  if (next < 0) return;
  QWidget* pane = panes[static_cast<std::size_t>(next)];
  if (auto* window = qobject_cast<QMdiSubWindow*>(pane)) {
    m_wndClient->setActiveSubWindow(window);
    if (auto* view = qobject_cast<CProgramView*>(window->widget()))
      view->FocusCurrentCell();
    else if (window->widget() != nullptr)
      window->widget()->setFocus(Qt::ShortcutFocusReason);
  } else {
    pane->setFocus(Qt::ShortcutFocusReason);
  }
}

bool CMainFrame::IsControlBarVisible() const { return m_wndNavBar != nullptr && !m_wndNavBar->isHidden(); }

void CMainFrame::WinHelp(quint32 helpData) {
  CallHtmlHelp(this, g_strHelpFile, kHelpContextCommand, HelpContextFromHelpData(helpData));
}

void CMainFrame::OnHelp() { WinHelp(kHelpResourceBase + Res::kMainFrame); }

void CMainFrame::ShowHelpForFocus() { HelpForFocusedControl(this); }

void CMainFrame::ShowCommandHelp(int command, QWidget* owner) {
  QWidget* helpOwner = owner != nullptr ? owner : this;
  CallHtmlHelp(helpOwner, g_strHelpFile, kHelpContextCommand, static_cast<std::uint32_t>(command));
}

bool CMainFrame::RestartProgram() { return RestartAfterLanguageChange(this); }

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return QMainWindow::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::KeyRelease) {
    if (key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock || key->key() == Qt::Key_ScrollLock)
      UpdateLockIndicators();
    return false;
  }
  if (auto* menu = qobject_cast<QMenu*>(watched); menu != nullptr && key->key() == Qt::Key_F1) {
    const int command = CommandOf(menu->activeAction());
    WinHelp(command != 0 ? kHelpCommandBase + static_cast<quint32>(command) : kHelpResourceBase + Res::kMainFrame);
    return true;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget != nullptr && widget->window() == this && key->key() == Qt::Key_F11 &&
      (key->modifiers() & Qt::ControlModifier)) {
    UnlockService();
    return true;
  }
  return false;
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    OnCommand(Cmd::kHelp);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void CMainFrame::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) UpdateLockIndicators();
  QMainWindow::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (RefuseWhileTransferring(true) || !SaveModifiedDocuments(this, m_wndClient)) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}
