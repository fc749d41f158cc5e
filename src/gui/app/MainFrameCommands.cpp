// Command dispatch and enabling: the active view first, then the handlers
// registered by the application, then the frame's own commands.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "core/shell/ResourceIds.h"
#include "core/shell/TransferRules.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/TransferRunner.h"

namespace {
constexpr int kBusyNoteMs = 4000;
}  // namespace

void CMainFrame::SetCommandHandler(int command, std::function<void()> handler, std::function<bool()> enabled,
                                   std::function<bool()> checked) {
  if (handler)
    m_handlers[command] = {std::move(handler), std::move(enabled), std::move(checked)};
  else
    m_handlers.erase(command);
  // While the program starts, the window shows nothing yet and is brought up
  // to date once it does; thirty refreshes before that would read the recent
  // files thirty times.
  if (isVisible()) UpdateCommandUI();
}

bool CMainFrame::IsCommandEnabled(int command) const {
  if (CTransferRunner::AnyRunning() && RefusedDuringTransfer(command)) return false;
  if (const CProgramView* view = ActiveView(); view != nullptr && view->HandlesCommand(command)) return true;
  if (const auto handler = m_handlers.find(command); handler != m_handlers.end())
    return !handler->second.enabled || handler->second.enabled();
  switch (command) {
    case Cmd::kChannelInformation:
    case Cmd::kFileClose:
    case Cmd::kFileSave:
    case Cmd::kFileSaveAs: return MDIGetActive() != nullptr;
    case Cmd::kControlBar:
    case Cmd::kViewToolbar:
    case Cmd::kViewStatusBar:
    case Cmd::kAppExit:
    case Cmd::kNextPane:
    case Cmd::kPrevPane:
    case Cmd::kHelp: return true;
    default: return false;
  }
}

bool CMainFrame::RefuseWhileTransferring(bool refusedThen) {
  if (!refusedThen || !CTransferRunner::AnyRunning()) return false;
  ShowTransferBusyNote();
  return true;
}

void CMainFrame::ShowTransferBusyNote() {
  m_wndStatusBar->showMessage(QString::fromUtf8(TransferBusyNote(CurrentLanguage())), kBusyNoteMs);
}

void CMainFrame::OnCommand(int command) {
  if (RefuseWhileTransferring(RefusedDuringTransfer(command)) || !IsCommandEnabled(command)) return;
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
      case Cmd::kNextPane: CyclePanes(true); break;
      case Cmd::kPrevPane: CyclePanes(false); break;
      case Cmd::kHelp: OnHelp(); break;
      case Cmd::kFileClose: OnFileClose(); break;
      case Cmd::kFileSave: SaveDocument(this, MDIGetActive(), false); break;
      case Cmd::kFileSaveAs: SaveDocument(this, MDIGetActive(), true); break;
      default: break;
    }
  }
  UpdateMenuForDocuments();
  UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
  UpdateRecentFileItems();
  auto update = [this](QAction* action) {
    const int command = CommandOf(action);
    if (command == 0) return;
    action->setEnabled(IsCommandEnabled(command));
    if (command == Cmd::kViewToolbar) action->setChecked(m_wndToolBar != nullptr && !m_wndToolBar->isHidden());
    if (command == Cmd::kViewStatusBar) action->setChecked(m_wndStatusBar != nullptr && !m_wndStatusBar->isHidden());
    if (command == Cmd::kControlBar) action->setChecked(IsControlBarVisible());
    if (const auto handler = m_handlers.find(command); handler != m_handlers.end() && handler->second.checked) {
      action->setCheckable(true);
      action->setChecked(handler->second.checked());
    }
  };
  for (const auto* menus : {&m_menus128, &m_menus129})
    for (QMenu* menu : *menus)
      for (QAction* action : menu->actions()) update(action);
  if (m_wndToolBar != nullptr)
    for (QAction* action : m_wndToolBar->actions()) update(action);
}

void CMainFrame::OnChannelInformation() {
  if (CChildFrame* frame = MDIGetActive()) frame->ShowAndActivate();
}

void CMainFrame::OnFileClose() {
  if (CChildFrame* frame = MDIGetActive()) frame->close();
}
