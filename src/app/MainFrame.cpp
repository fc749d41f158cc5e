#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include "app/AppGlobals.h"
#include "app/BackgroundClient.h"
#include "app/ChildFrame.h"
#include "app/HelpTopics.h"
#include "app/HtmlHelp.h"
#include "app/KeyLocks.h"
#include "app/NavigationBar.h"
#include "app/NavigationItems.h"
#include "app/PasswordDlg.h"
#include "profile/ProfileFile.h"
#include "app/ProgramIcons.h"
#include "app/ResourceIds.h"
#include "app/ResourceTable.h"
#include "app/ResourceText.h"
#include "app/UiHooks.h"
#include "editor/ProgramView.h"
#include "radio/ProgramDoc.h"

namespace {
constexpr int kSeparator = 0;

bool IsToggle(int command) {
  return command == Cmd::kViewToolbar || command == Cmd::kViewStatusBar || command == Cmd::kControlBar;
}

// The document strings: title, name, new name, filter name, extension, ...
QStringList DocumentStrings() { return ResourceText(StringKey(Res::kDocumentStrings)).split(QLatin1Char('\n')); }
}  // namespace

CMainFrame::CMainFrame() {
  resize(900, 550);
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

int CMainFrame::CommandOf(const QAction* action) {
  return action == nullptr ? 0 : action->data().toInt();
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

QAction* CMainFrame::MakeCommandAction(const QString& text, int command, QObject* owner) {
  auto* action = new QAction(text, owner);
  action->setData(command);
  const std::string prompt = ToStd(ResourceText(StringKey(command)));
  action->setStatusTip(FromStd(PromptStatusText(prompt)));
  action->setCheckable(IsToggle(command));
  connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
  return action;
}

QMenu* CMainFrame::BuildPopup(int menu, int position, const std::vector<int>& commands) {
  auto* popup = new QMenu(ResourceText(MenuPopupKey(menu, position)), this);
  for (int command : commands) {
    if (command == kSeparator)
      popup->addSeparator();
    else
      popup->addAction(MakeCommandAction(ResourceText(MenuItemKey(menu, command)), command, popup));
  }
  popup->installEventFilter(this);
  connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
  return popup;
}

void CMainFrame::BuildMenus() {
  using namespace Cmd;
  const int doc = Res::kMenuDocument;
  m_menus129 = {
      BuildPopup(doc, 0, {kFileNew, kFileOpen, kFileClose, kFileSave, kFileSaveAs, kSeparator, kFilePrint,
                          kFilePrintPreview, kFilePrintSetup, kSeparator, kAppExit}),
      BuildPopup(doc, 1, {kProductInformation, kChannelInformation, kOptionalFeatures, kPowerAdjust, kParamAdjust}),
      BuildPopup(doc, 2, {kRead, kWrite}),
      BuildPopup(doc, 3, {kViewToolbar, kViewStatusBar, kControlBar}),
      BuildPopup(doc, 4, {kComSetup, kLanguage}),
      BuildPopup(doc, 5, {kAppAbout}),
  };
  const int none = Res::kMenuNoDocument;
  m_menus128 = {
      BuildPopup(none, 0, {kFileNew, kFileOpen, kSeparator, kFilePrintSetup, kSeparator, kAppExit}),
      BuildPopup(none, 1, {kViewToolbar, kViewStatusBar}),
      BuildPopup(none, 2, {kAppAbout}),
  };
}

void CMainFrame::UpdateMenuForDocuments() {
  bool hasDocument = false;
  if (m_wndClient != nullptr)
    for (QMdiSubWindow* window : m_wndClient->subWindowList())
      hasDocument = hasDocument || qobject_cast<CChildFrame*>(window) != nullptr;
  if (hasDocument == m_bDocumentMenu && !menuBar()->actions().isEmpty()) return;
  m_bDocumentMenu = hasDocument;
  menuBar()->clear();
  for (QMenu* menu : CurrentMenus()) menuBar()->addMenu(menu);
}

void CMainFrame::BuildToolBar() {
  m_wndToolBar = new QToolBar(this);
  m_wndToolBar->setObjectName(QStringLiteral("toolBar128"));
  m_wndToolBar->setIconSize(QSize(16, 16));
  m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
  using namespace Cmd;
  for (int command : {kFileNew, kFileOpen, kFileSave, kSeparator, kRead, kWrite, kSeparator, kFilePrint,
                      kSeparator, kAppAbout}) {
    if (command == kSeparator) {
      m_wndToolBar->addSeparator();
      continue;
    }
    const std::string prompt = ToStd(ResourceText(StringKey(command)));
    QAction* action = MakeCommandAction(FromStd(PromptToolTip(prompt)), command, m_wndToolBar);
    action->setIcon(ToolBarIcon(command));
    action->setToolTip(FromStd(PromptToolTip(prompt)));
    m_wndToolBar->addAction(action);
  }
  addToolBar(Qt::TopToolBarArea, m_wndToolBar);
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
  setStatusBar(m_wndStatusBar);
}

void CMainFrame::UpdateLockIndicators() {
  const KeyLock locks[] = {KeyLock::Caps, KeyLock::Num, KeyLock::Scroll};
  for (std::size_t i = 0; i < m_lockIndicators.size(); ++i) m_lockIndicators[i]->setEnabled(KeyLockOn(locks[i]));
}

void CMainFrame::BuildAccelerators() {
  const struct {
    QKeySequence keys;
    int command;
  } accelerators[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), Cmd::kFileNew},   {QKeySequence(Qt::CTRL | Qt::Key_O), Cmd::kFileOpen},
      {QKeySequence(Qt::CTRL | Qt::Key_P), Cmd::kFilePrint}, {QKeySequence(Qt::CTRL | Qt::Key_R), Cmd::kRead},
      {QKeySequence(Qt::CTRL | Qt::Key_S), Cmd::kFileSave},  {QKeySequence(Qt::CTRL | Qt::Key_W), Cmd::kWrite},
      {QKeySequence(Qt::Key_F6), Cmd::kNextPane},            {QKeySequence(Qt::SHIFT | Qt::Key_F6), Cmd::kPrevPane},
  };
  for (const auto& accelerator : accelerators) {
    auto* action = new QAction(this);
    action->setData(accelerator.command);
    action->setShortcut(accelerator.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    const int command = accelerator.command;
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    addAction(action);
  }
}

bool CMainFrame::BuildNavigationBar() {
  if (!m_wndNavBar->Initialize()) return false;
  QTreeWidget* tree = m_wndNavBar->Tree();
  if (tree == nullptr) return false;
  m_pNavRoot = new QTreeWidgetItem(tree, QStringList{FromStd(g_profile.GetString(g_strLanguage, "Company", ""))});
  m_pNavRoot->setIcon(0, TreeRootImage());
  for (const NavigationItem* item : {&NavProductInformation(), &NavChannelInformation(), &NavOptionalFeatures()}) {
    auto* child = new QTreeWidgetItem(m_pNavRoot, QStringList{LangString(item->text)});
    child->setIcon(0, TreeItemImage());
  }
  m_pNavRoot->setExpanded(true);
  m_bReselectingRoot = true;
  tree->setCurrentItem(m_pNavRoot);
  m_bReselectingRoot = false;
  connect(tree, &QTreeWidget::currentItemChanged, this, [this] { OnNavSelChanged(); });
  return true;
}

void CMainFrame::OnNavSelChanged() {
  // Selecting the root again below raises a second change; the item under
  // the pointer has had its turn already.
  if (m_bReselectingRoot) return;
  QTreeWidget* tree = m_wndNavBar->Tree();
  const QPoint pointer = tree->viewport()->mapFromGlobal(QCursor::pos());
  const QTreeWidgetItem* item = tree->itemAt(pointer);
  const std::string text = item != nullptr ? ToStd(item->text(0)) : std::string();
  const int command = NavCommandForText(text.c_str(), g_bChinese);
  if (command != 0) OnCommand(command);
  m_bReselectingRoot = true;
  tree->setCurrentItem(m_pNavRoot);
  m_bReselectingRoot = false;
}

void CMainFrame::SetCommandHandler(int command, std::function<void()> handler, std::function<bool()> enabled) {
  if (handler)
    m_handlers[command] = {std::move(handler), std::move(enabled)};
  else
    m_handlers.erase(command);
  UpdateCommandUI();
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

bool CMainFrame::IsCommandEnabled(int command) const {
  if (const CProgramView* view = ActiveView(); view != nullptr && view->HandlesCommand(command)) return true;
  if (const auto handler = m_handlers.find(command); handler != m_handlers.end())
    return !handler->second.enabled || handler->second.enabled();
  switch (command) {
    case Cmd::kChannelInformation:
    case Cmd::kFileClose:
    case Cmd::kFileSave:
    case Cmd::kFileSaveAs:
      return MDIGetActive() != nullptr;
    case Cmd::kControlBar:
    case Cmd::kViewToolbar:
    case Cmd::kViewStatusBar:
    case Cmd::kAppExit:
    case Cmd::kNextPane:
    case Cmd::kPrevPane:
    case Cmd::kHelp:
      return true;
    default:
      return false;
  }
}

void CMainFrame::OnCommand(int command) {
  if (!IsCommandEnabled(command)) return;
  if (CProgramView* view = ActiveView(); view != nullptr && view->HandlesCommand(command)) {
    view->OnCommand(command);
  } else if (auto handler = m_handlers.find(command); handler != m_handlers.end()) {
    const std::function<void()> run = handler->second.run;  // the handler may replace itself
    run();
  } else {
    switch (command) {
      case Cmd::kChannelInformation: OnChannelInformation(); break;
      case Cmd::kControlBar: ShowControlBar(!IsControlBarVisible()); break;
      case Cmd::kViewToolbar: m_wndToolBar->setVisible(m_wndToolBar->isHidden()); break;
      case Cmd::kViewStatusBar: m_wndStatusBar->setVisible(m_wndStatusBar->isHidden()); break;
      case Cmd::kAppExit: close(); break;
      case Cmd::kNextPane: m_wndClient->activateNextSubWindow(); break;
      case Cmd::kPrevPane: m_wndClient->activatePreviousSubWindow(); break;
      case Cmd::kHelp: OnHelp(); break;
      case Cmd::kFileClose: OnFileClose(); break;
      case Cmd::kFileSave: OnFileSave(false); break;
      case Cmd::kFileSaveAs: OnFileSave(true); break;
      default: break;
    }
  }
  UpdateMenuForDocuments();
  UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
  auto update = [this](QAction* action) {
    const int command = CommandOf(action);
    if (command == 0) return;
    action->setEnabled(IsCommandEnabled(command));
    if (command == Cmd::kViewToolbar) action->setChecked(m_wndToolBar != nullptr && !m_wndToolBar->isHidden());
    if (command == Cmd::kViewStatusBar) action->setChecked(m_wndStatusBar != nullptr && !m_wndStatusBar->isHidden());
    if (command == Cmd::kControlBar) action->setChecked(IsControlBarVisible());
  };
  for (const auto* menus : {&m_menus128, &m_menus129})
    for (QMenu* menu : *menus)
      for (QAction* action : menu->actions()) update(action);
  if (m_wndToolBar != nullptr)
    for (QAction* action : m_wndToolBar->actions()) update(action);
}

void CMainFrame::ShowControlBar(bool show) {
  m_wndNavBar->setVisible(show);
  UpdateCommandUI();
}

bool CMainFrame::IsControlBarVisible() const { return m_wndNavBar != nullptr && !m_wndNavBar->isHidden(); }

void CMainFrame::OnChannelInformation() {
  CChildFrame* frame = MDIGetActive();
  if (frame == nullptr) return;
  frame->showNormal();
  m_wndClient->setActiveSubWindow(frame);
}

void CMainFrame::OnFileClose() {
  if (CChildFrame* frame = MDIGetActive()) frame->close();
}

void CMainFrame::OnFileSave(bool askName) {
  CChildFrame* frame = MDIGetActive();
  if (frame == nullptr) return;
  CProgramDoc* doc = frame->Document();
  QString path = FromStd(doc->GetPathName());
  const QFileInfo info(path);
  if (askName || path.isEmpty() || !info.isFile() || !info.isWritable()) {
    const QStringList strings = DocumentStrings();
    const QString filter = strings.value(3);
    const QString extension = strings.value(4);
    path = AskFileName(this, true, path, QStringLiteral("%1 (%1)").arg(filter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += extension;
  }
  const std::string file = ToStd(path);
  const DataFileResult result = doc->OnSaveDocument(file);
  if (!result.ok()) {
    const std::string message = DataFileFailureMessage(result, file, true, g_bChinese);
    if (!message.empty()) ProgramMessageBox(this, FromStd(message));
    return;
  }
  frame->UpdateTitle();
}

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

void CMainFrame::WinHelp(quint32 helpData) {
  CallHtmlHelp(this, g_strHelpFile, kHelpContextCommand, HelpContextFromHelpData(helpData));
}

void CMainFrame::OnHelp() { WinHelp(kHelpResourceBase + Res::kMainFrame); }

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
