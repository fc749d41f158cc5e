#pragma once
// The main window: menus, tool bar, status bar, the navigation bar at the
// left and the tiled area that holds the channel window. Menus and
// accelerators are built in MainFrameMenus.cpp, commands dispatched and
// enabled in MainFrameCommands.cpp, the service unlock is ServiceUnlock.cpp.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gui/shell/FrameServices.h"

class QAction;
class QLabel;
class QMdiSubWindow;
class QMenu;
class QTreeWidgetItem;
class CBackgroundClient;
class CChildFrame;
class CNavigationBar;
class CProgramView;

class CMainFrame : public QMainWindow, public CFrameServices {
  Q_OBJECT
 public:
  CMainFrame();
  ~CMainFrame() override;

  // Builds bars, tree and client; false when any part could not be made.
  bool OnCreate();

  // Runs a command the way a menu item, button or accelerator does: the
  // active view first, then the handlers registered here.
  void OnCommand(int command);
  bool IsCommandEnabled(int command) const;
  // Commands whose features live elsewhere (the app's File New, the editing
  // dialogs). A command without a handler is shown disabled, and so is one
  // whose `enabled` says no. A command with `checked` is a check item.
  void SetCommandHandler(int command, std::function<void()> handler, std::function<bool()> enabled = {},
                         std::function<bool()> checked = {});
  void UpdateCommandUI() override;

  // The active channel window, even while it is hidden; nullptr when none.
  CChildFrame* MDIGetActive() const;
  CProgramView* ActiveView() const;
  CBackgroundClient* Client() const { return m_wndClient; }
  CNavigationBar* NavigationBar() const { return m_wndNavBar; }
  QTreeWidgetItem* NavRoot() const { return m_pNavRoot; }

  // Menu 129 while a document exists, 128 otherwise.
  void UpdateMenuForDocuments();
  bool ShowsDocumentMenu() const { return m_bDocumentMenu; }
  // The top-level menus of menu 128 or 129, in order.
  const std::vector<QMenu*>& Menus(bool documentMenu) const { return documentMenu ? m_menus129 : m_menus128; }
  // The menu bar's current top-level menus.
  const std::vector<QMenu*>& CurrentMenus() const { return Menus(m_bDocumentMenu); }
  // The command id an action carries; 0 for separators.
  static int CommandOf(const QAction* action);

  // Recent files and dropped files (MainFrameFiles.cpp): the recent files
  // numbered in both File menus before Exit; a data file dropped on the
  // window goes to the handler, which opens it.
  void UpdateRecentFileItems();
  void SetFileDropHandler(std::function<void(const std::string&)> handler) { m_fileDropHandler = std::move(handler); }

  void ShowControlBar(bool show);
  // F6 and Shift+F6: the focus to the next (previous) pane, the navigation
  // tree or a channel window, whichever is shown.
  void CyclePanes(bool forward);
  bool IsControlBarVisible() const;

  // What the channel window and the dialogs ask of the frame.
  void ShowTransferBusyNote() override;
  void ShowHelpForFocus() override;
  void ShowCommandHelp(int command, QWidget* owner) override;
  bool RestartProgram() override;

  void OnNavSelChanged();
  // The command of a tree item, then the root current again.
  void RunNavItem(const QTreeWidgetItem* item);
  void UnlockService();
  void WinHelp(quint32 helpData);
  void OnHelp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Asks to save each modified document first; Cancel keeps the window.
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  QMenu* BuildPopup(int menu, int position, const std::vector<int>& commands);
  QAction* MakeCommandAction(const QString& text, int command, QObject* owner);
  void BuildToolBar();
  void BuildStatusBar();
  void BuildAccelerators();
  bool BuildNavigationBar();
  void UpdateLockIndicators();
  void OnChannelInformation();
  void OnFileClose();
  // While a transfer runs, what would remove its document or end the
  // program under it is refused with a note in the status bar: true then.
  bool RefuseWhileTransferring(bool refusedThen);

  CNavigationBar* m_wndNavBar = nullptr;
  CBackgroundClient* m_wndClient = nullptr;
  QToolBar* m_wndToolBar = nullptr;
  QStatusBar* m_wndStatusBar = nullptr;
  QLabel* m_pIdleMessage = nullptr;
  std::vector<QLabel*> m_lockIndicators;
  QTreeWidgetItem* m_pNavRoot = nullptr;
  std::vector<QMenu*> m_menus128;
  std::vector<QMenu*> m_menus129;
  bool m_bDocumentMenu = false;
  struct CommandHandler {
    std::function<void()> run;
    std::function<bool()> enabled;  // empty: always
    std::function<bool()> checked;  // empty: no check item
  };
  std::map<int, CommandHandler> m_handlers;
  // A subwindow, not a channel window: it is asked for its kind at each use,
  // which stays safe while it is being destroyed.
  QPointer<QMdiSubWindow> m_pLastActive;
  bool m_bReselectingRoot = false;
  std::function<void(const std::string&)> m_fileDropHandler;
  std::vector<std::string> m_recentShown;  // the recent files the File menus show now
};
