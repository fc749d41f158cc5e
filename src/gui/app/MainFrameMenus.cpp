// The main window's menus, tool bar and accelerators: every item carries its
// command id and runs it through CMainFrame::OnCommand.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ProgramIcons.h"

namespace {
constexpr int kSeparator = 0;

// Channel editing beyond the grid: the channel lists in the File menu, the
// clipboard, undo and channel rows at the top of the Edit menu. (The recent
// files go before Exit, MainFrameFiles.cpp.)
const std::vector<int> kFileChannelItems{Cmd::kImportChannels, Cmd::kExportChannels, kSeparator};
const std::vector<int> kEditChannelItems{
    Cmd::kEditUndo,        Cmd::kEditRedo,     kSeparator,          Cmd::kEditCut,       Cmd::kEditCopy,
    Cmd::kEditPaste,       kSeparator,         Cmd::kInsertChannel, Cmd::kDeleteChannel, Cmd::kMoveChannelUp,
    Cmd::kMoveChannelDown, Cmd::kClearChannel, kSeparator};

// Safe programming: backups and the comparison in the File menu, the
// read-back and the serial trace as check items of the Setup menu.
const std::vector<int> kFileSafetyItems{Cmd::kFileOpenBackup, Cmd::kFileCompare, kSeparator};
const std::vector<int> kSetupSafetyItems{kSeparator, Cmd::kVerifyAfterWrite, Cmd::kSerialTrace};

std::vector<int> Joined(std::vector<int> first, const std::vector<int>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

bool IsToggle(int command) {
  return command == Cmd::kViewToolbar || command == Cmd::kViewStatusBar || command == Cmd::kControlBar;
}
}  // namespace

int CMainFrame::CommandOf(const QAction* action) { return action == nullptr ? 0 : action->data().toInt(); }

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
      BuildPopup(doc, 0,
                 Joined({kFileNew, kFileOpen, kFileClose, kFileSave, kFileSaveAs, kSeparator},
                        Joined(kFileChannelItems, Joined(kFileSafetyItems, {kFilePrint, kFilePrintPreview,
                                                                            kFilePrintSetup, kSeparator, kAppExit})))),
      BuildPopup(doc, 1,
                 Joined(kEditChannelItems,
                        {kProductInformation, kChannelInformation, kOptionalFeatures, kPowerAdjust, kParamAdjust})),
      BuildPopup(doc, 2, {kRead, kWrite}),
      BuildPopup(doc, 3, {kViewToolbar, kViewStatusBar, kControlBar}),
      BuildPopup(doc, 4, Joined({kComSetup, kLanguage}, kSetupSafetyItems)),
      BuildPopup(doc, 5, {kAppAbout}),
  };
  const int none = Res::kMenuNoDocument;
  m_menus128 = {
      BuildPopup(none, 0, {kFileNew, kFileOpen, kFileOpenBackup, kSeparator, kFilePrintSetup, kSeparator, kAppExit}),
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
  for (int command :
       {kFileNew, kFileOpen, kFileSave, kSeparator, kRead, kWrite, kSeparator, kFilePrint, kSeparator, kAppAbout}) {
    if (command == kSeparator) {
      m_wndToolBar->addSeparator();
      continue;
    }
    const std::string prompt = ToStd(ResourceText(StringKey(command)));
    QAction* action = MakeCommandAction(FromStd(PromptToolTip(prompt)), command, m_wndToolBar);
    action->setIcon(ToolBarIcon(command));
    action->setToolTip(FromStd(PromptToolTip(prompt)));
    m_wndToolBar->addAction(action);
    // The button's name is its tool tip; the status tip says what it does.
    if (QWidget* button = m_wndToolBar->widgetForAction(action)) button->setAccessibleDescription(action->statusTip());
  }
  addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::BuildAccelerators() {
  const struct {
    QKeySequence keys;
    int command;
  } accelerators[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_N), Cmd::kFileNew},
      {QKeySequence(Qt::CTRL | Qt::Key_O), Cmd::kFileOpen},
      {QKeySequence(Qt::CTRL | Qt::Key_P), Cmd::kFilePrint},
      {QKeySequence(Qt::CTRL | Qt::Key_R), Cmd::kRead},
      {QKeySequence(Qt::CTRL | Qt::Key_S), Cmd::kFileSave},
      {QKeySequence(Qt::CTRL | Qt::Key_W), Cmd::kWrite},
      {QKeySequence(Qt::Key_F6), Cmd::kNextPane},
      {QKeySequence(Qt::SHIFT | Qt::Key_F6), Cmd::kPrevPane},
  };
  auto add = [this](const QKeySequence& keys, int command) {
    auto* action = new QAction(this);
    action->setData(command);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    addAction(action);
  };
  for (const auto& accelerator : accelerators) add(accelerator.keys, accelerator.command);
  for (const CommandKeys& accelerator : ChannelCommandKeys()) add(accelerator.keys, accelerator.command);
}
