#pragma once
// What the channel window and the dialogs ask of the main window: help, a
// note in its status bar, its menus brought up to date, and the restart
// after a language change. The main window registers itself at start-up;
// before it does, and once it is gone, every request is quietly dropped.
class QWidget;

class CFrameServices {
 public:
  virtual ~CFrameServices() = default;

  // F1: help on the control that has the focus.
  virtual void ShowHelpForFocus() = 0;
  // Help on a command's topic. A help window asked for from a modal dialog
  // goes to `owner` once the dialog ends; nullptr: to the main window.
  virtual void ShowCommandHelp(int command, QWidget* owner) = 0;
  // Says in the status bar that a command waits for the transfer to end.
  virtual void ShowTransferBusyNote() = 0;
  // Enables the menus and buttons anew (a transfer started or ended).
  virtual void UpdateCommandUI() = 0;
  // Closes the main window, which asks about unsaved documents, and once it
  // has closed starts the program again. False when the window stayed open
  // or the new process did not start.
  virtual bool RestartProgram() = 0;
};

// The main window registered in the application context, else one that
// does nothing.
CFrameServices& FrameServices();
// nullptr: none from now on.
void RegisterFrameServices(CFrameServices* frame);
