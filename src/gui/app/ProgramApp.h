#pragma once
// The application: start-up in a fixed order, File New and Open, About, and
// the end of the run.
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "gui/shell/AppContext.h"

class QApplication;
class CDocTemplate;
class CMainFrame;
class CPrintCommands;
class CRecoveryKeeper;
class CTerminationSignals;

class CProgramApp {
 public:
  // Creates the QApplication unless one exists already (as under a test).
  CProgramApp(int& argc, char** argv);
  CProgramApp();
  ~CProgramApp();
  CProgramApp(const CProgramApp&) = delete;
  CProgramApp& operator=(const CProgramApp&) = delete;

  // Start-up with the program folder `appDir` (ending in '/') and the
  // command line without the program's name, as bytes: a file name need not
  // be UTF-8. False: the program ends; no window is left.
  bool InitInstance(const std::string& appDir, const std::vector<std::string>& arguments);
  int Run();
  int ExitInstance();

  CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
  CDocTemplate* DocTemplate() const { return m_pDocTemplate.get(); }

  void OnFileNewConfirm();
  void OnFileNew();
  void OnFileOpen();
  // Opens a data file the way File Open does (the active channel window
  // gives way to it); false when it could not be opened, which was told.
  // The recent files and a file dropped on the window open through here. A
  // backup opens as a new untitled document, so that no save rewrites it.
  bool OpenDataFile(const std::string& path);
  // An Open dialog at `proposed` (a folder or a file in it), captioned with
  // `command`'s name, then OpenDataFile on the file chosen.
  void AskAndOpenDataFile(const QString& proposed, int command);
  void OnOpenRecentFile(int index);
  void OnAppAbout();

 private:
  // Recovery copies of unsaved changes, kept from the first window on and
  // written when a signal ends the program; those left by an earlier run
  // are offered once the window shows.
  void StartRecovery();

  std::unique_ptr<QApplication> m_pApplication;
  // The state of this run; in force from the construction to the end.
  CAppContext m_context;
  // Outlives the frame, whose print commands use it.
  std::unique_ptr<CPrintCommands> m_pPrintCommands;
  std::unique_ptr<CMainFrame> m_pMainFrame;
  std::unique_ptr<CDocTemplate> m_pDocTemplate;
  std::unique_ptr<CRecoveryKeeper> m_pRecovery;
  std::unique_ptr<CTerminationSignals> m_pSignals;
};
