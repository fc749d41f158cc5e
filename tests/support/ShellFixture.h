#pragma once
// A program folder of its own for each test (profile, language modules, help
// files), the process-wide values reset, and every place the program waits
// for a person answered by the test.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/shell/UiHooks.h"
#include "support/ScopedProgramState.h"
#include "support/TempDir.h"

class CMainFrame;
class CProgramApp;
class QDialog;

// A profile with the given language and the usual sections; `extraSetup`
// lines go into [Setup].
std::string MakeProfile(const std::string& language, const std::string& extraSetup = "ShowLang=1\n",
                        const std::string& englishCompany = "Quillmoor Radio Works",
                        const std::string& chineseCompany = "奎尔摩无线电");

struct HelpRequest {
  std::string file;
  unsigned command;
  std::uint32_t context;
};

class ShellFixture {
 public:
  // Copies "English.qm", "Chinese.qm" and the help files from the build's
  // program folder; `profile` becomes "Program.ini" unless it is empty.
  explicit ShellFixture(const std::string& profile = MakeProfile("English"));
  ~ShellFixture();
  ShellFixture(const ShellFixture&) = delete;
  ShellFixture& operator=(const ShellFixture&) = delete;

  bool Start(const QStringList& arguments = {});
  // The command line as the bytes a shell passes: a name need not be UTF-8.
  bool StartWithBytes(const std::vector<std::string>& arguments);
  // A new process, as far as the program can tell: the old one ends, the
  // process-wide values start afresh, and the program starts in the same folder.
  bool Restart(const QStringList& arguments = {});
  CMainFrame* Frame() const;
  CProgramApp& App() { return *m_pApp; }
  std::string Folder() const { return m_dir.path() + "/"; }
  std::string FilePath(const std::string& name) const { return m_dir.file(name); }
  void Write(const std::string& name, const std::string& bytes) const { m_dir.Write(name, bytes); }
  std::string Read(const std::string& name) const { return m_dir.Read(name); }
  void Remove(const std::string& name) const;
  void CopyFromBuild(const std::string& name, const std::string& as) const;

  // Recorded requests; message boxes answer with `answer`.
  std::vector<MessageRequest> messages;
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  std::vector<HelpRequest> help;
  std::vector<QString> started;
  // The answers of the Open and Save As dialogs, taken in order; none left: cancelled.
  std::vector<QString> fileNames;
  std::vector<QString> proposedNames;
  std::vector<QString> fileCaptions;  // each file dialog's caption
  // The filter picked in a dialog that offers several (index from 0).
  int filterChoice = 0;
  // Each modal dialog goes to `modal`; without one it is rejected.
  std::function<int(QDialog&)> modal;
  int modalCount = 0;

 private:
  TempDir m_dir;
  // The process-wide values and hooks, put back once the program has ended.
  CScopedProgramState m_state;
  std::unique_ptr<CProgramApp> m_pApp;
};

// The program folder of the build, where the language modules are made.
std::string BuildProgramFolder();

class QAction;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
class QUrl;

// The command ids of a menu's items, separators left out.
std::vector<int> MenuCommands(const QMenu* menu);
QAction* FindCommand(const QMenu* menu, int command);
// The dialog's button with the given control id (1 OK, 2 Cancel, ...).
QPushButton* DialogButton(const QDialog& dialog, int id);
QStringList ChildTexts(const QTreeWidgetItem* item);
// Drags a file over the window and drops it; false when the window refused
// the drag.
bool DropFile(QWidget* window, const QString& path);
bool DropUrl(QWidget* window, const QUrl& url);
