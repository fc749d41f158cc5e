#include "gui/app/ProgramApp.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMenu>
#include <QStatusBar>

#include "core/files/Backups.h"
#include "core/os/SaveTarget.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"
#include "core/profile/ProgramProfile.h"
#include "core/shell/RecentFileList.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "core/shell/StartupRules.h"
#include "gui/app/AboutDlg.h"
#include "gui/app/BackgroundClient.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/DocTemplate.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/FeatureCommands.h"
#include "gui/app/MainFrame.h"
#include "gui/app/NavigationBarAccessible.h"
#include "gui/app/RecentFiles.h"
#include "gui/app/RecoveryKeeper.h"
#include "gui/app/SafeProgramming.h"
#include "gui/app/TerminationSignals.h"
#include "gui/shell/TransferRunner.h"
#include "gui/print/PrintCommands.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/GridAccessible.h"
#include "gui/widgets/ListAccessible.h"
#include "gui/widgets/SpokenNotice.h"
#include "gui/widgets/TextFieldAccessible.h"
#include "gui/widgets/ProgramIcons.h"

namespace {
void UseCjkCapableFont() {
  QFont font = QApplication::font();
  QStringList families = font.families();
  if (families.isEmpty()) families << font.family();
  families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC");
  font.setFamilies(families);
  QApplication::setFont(font);
}

// What a screen reader needs beyond Qt's own: the grid's cells and headers,
// the navigation bar's painted close button, spoken notices, edit controls
// read with every character and lists read with their value. Installed
// before the first window, which a screen reader may ask at once.
void InstallAccessibleParts() {
  QAccessible::installFactory(&CGridAccessible::Factory);
  QAccessible::installFactory(&CNavigationBarAccessible::Factory);
  QAccessible::installFactory(&CSpokenNotice::Factory);
  QAccessible::installFactory(&CTextFieldAccessible::Factory);
  QAccessible::installFactory(&CListAccessible::Factory);
}

// A backup opens as a copy, so that no save rewrites what the radio held.
CDocTemplate::OpenAs HowToOpen(const std::string& path) {
  const std::string backups = BackupFolder(g_profile.GetString("Setup", "AppName", ""));
  return IsBackupFile(path, backups) ? CDocTemplate::OpenAs::Copy : CDocTemplate::OpenAs::File;
}
}  // namespace

CProgramApp::CProgramApp(int& argc, char** argv) {
  if (QCoreApplication::instance() == nullptr) m_pApplication = std::make_unique<QApplication>(argc, argv);
}

CProgramApp::CProgramApp() = default;

CProgramApp::~CProgramApp() {
  RegisterFrameServices(nullptr);
  m_pSignals.reset();
  m_pRecovery.reset();
  m_pMainFrame.reset();
  m_pDocTemplate.reset();
}

bool CProgramApp::InitInstance(const std::string& appDir, const std::vector<std::string>& arguments) {
  // The profile file, the language and everything named after it.
  const ProfilePaths profile = ProgramProfilePaths(appDir);
  const bool profileExisted = PathExists(profile.read);
  g_profile.Load(profile.read, ProfileOptions::SaveOnClose | ProfileOptions::IgnoreCase);
  if (profile.write != profile.read) g_profile.SaveTo(profile.write);
  g_strLanguage = g_profile.GetString("Setup", "Language", "");
  g_language = ProgramLanguage(g_strLanguage);
  g_strHelpFile = HelpFileForLanguage(CurrentLanguage());
  SetMessageBoxCaption(ResourceText(StringKey(Res::kStrAppTitle)));

  const std::string module = FindFileIgnoringCase(appDir, LanguageModuleName(g_strLanguage));
  if (!LoadLanguageModule(FromStd(module))) {
    const LanguageLookup lookup{appDir,        g_strLanguage,          profile.read,
                                profileExisted, g_profile.LoadError(), module};
    ProgramMessageBox(nullptr, FromStd(LoadLanguageFailMessage(lookup, CurrentLanguage())));
    return false;
  }
  UseCjkCapableFont();
  LoadQtTexts(CurrentLanguage());
  g_strAppDir = appDir;

  // The main window with its bars, tree and client area.
  InstallAccessibleParts();
  m_pMainFrame = std::make_unique<CMainFrame>();
  if (!m_pMainFrame->OnCreate()) {
    m_pMainFrame.reset();
    return false;
  }
  RegisterFrameServices(m_pMainFrame.get());
  m_pDocTemplate = std::make_unique<CDocTemplate>(m_pMainFrame->Client());
  StartRecovery();
  m_pMainFrame->SetCommandHandler(Cmd::kFileNew, [this] { OnFileNewConfirm(); });
  m_pMainFrame->SetCommandHandler(Cmd::kFileOpen, [this] { OnFileOpen(); });
  m_pMainFrame->SetCommandHandler(Cmd::kAppAbout, [this] { OnAppAbout(); });
  m_pPrintCommands = std::make_unique<CPrintCommands>();
  InstallPrintCommands(*m_pMainFrame, *m_pPrintCommands);
  InstallSettingsCommands(*m_pMainFrame);
  InstallChannelCommands(*m_pMainFrame);
  InstallSafeProgrammingCommands(
      *m_pMainFrame, [this](const QString& proposed, int command) { AskAndOpenDataFile(proposed, command); });
  for (int i = 0; i < static_cast<int>(kRecentFileCount); ++i)
    m_pMainFrame->SetCommandHandler(
        Cmd::kFileMru1 + i, [this, i] { OnOpenRecentFile(i); },
        [i] { return static_cast<std::size_t>(i) < RecentFilePaths().size(); });
  m_pMainFrame->SetFileDropHandler([this](const std::string& path) { OpenDataFile(path); });

  // The command line: nothing runs File New, a file name opens that file.
  // A file that cannot be opened is reported, whatever the reason, and the
  // program goes on with a new document.
  if (arguments.empty() ||
      m_pDocTemplate->OpenDocumentFile(arguments.front(), nullptr, true, HowToOpen(arguments.front())) == nullptr)
    OnFileNew();
  if (m_pMainFrame->MDIGetActive() == nullptr) return false;
  m_pMainFrame->UpdateMenuForDocuments();
  m_pMainFrame->showMaximized();

  const QIcon icon = IconFromFile(FromStd(appDir + kTitleIconFile));
  if (!icon.isNull()) m_pMainFrame->setWindowIcon(icon);

  const std::string company = g_profile.GetString(g_strLanguage, "Company", "");
  SetMessageBoxCaption(FromStd(company));

  // The menu shown now, the document menu, gets the profile's About text,
  // loses Language unless asked for and loses the service commands.
  const std::vector<QMenu*>& menus = m_pMainFrame->CurrentMenus();
  if (menus.size() > 5) {
    const QList<QAction*> help = menus[5]->actions();
    if (!help.isEmpty()) help.front()->setText(FromStd(g_profile.GetString(g_strLanguage, "About Title", "")));
    if (!ShowLanguageCommand(g_profile.GetString("Setup", "ShowLang", "")))
      for (QAction* action : menus[4]->actions())
        if (CMainFrame::CommandOf(action) == Cmd::kLanguage) menus[4]->removeAction(action);
  }
  for (QMenu* menu : menus)
    for (QAction* action : menu->actions()) {
      const int command = CMainFrame::CommandOf(action);
      if (command == Cmd::kParamAdjust || command == Cmd::kPowerAdjust) menu->removeAction(action);
    }
  m_pMainFrame->UpdateCommandUI();
  m_pRecovery->OfferLeftCopies(m_pMainFrame.get(), [this](const std::string& path) {
    return m_pDocTemplate->OpenDocumentFile(path, m_pMainFrame->MDIGetActive(), true, CDocTemplate::OpenAs::Copy);
  });
  return true;
}

void CProgramApp::StartRecovery() {
  CMainFrame* frame = m_pMainFrame.get();
  m_pRecovery =
      std::make_unique<CRecoveryKeeper>(RecoveryFolder(g_profile.GetString("Setup", "AppName", "")),
                                        [frame](const QString& note) { frame->statusBar()->showMessage(note); });
  m_pDocTemplate->SetFrameAddedHandler([this](CChildFrame* child) { m_pRecovery->Watch(child); });
  // The edits first, then a transfer under way stops between blocks, so that
  // its port's line is given back before the process ends.
  m_pSignals = std::make_unique<CTerminationSignals>([this] {
    m_pRecovery->WriteAll();
    CTransferRunner::StopAll();
  });
}

int CProgramApp::Run() { return QApplication::exec(); }

int CProgramApp::ExitInstance() {
  RegisterFrameServices(nullptr);
  m_pSignals.reset();
  m_pRecovery.reset();
  m_pDocTemplate.reset();
  m_pMainFrame.reset();
  UnloadLanguageModule();
  return 0;
}

void CProgramApp::OnFileNewConfirm() {
  if (CChildFrame* active = m_pMainFrame->MDIGetActive()) {
    if (ProgramMessageBox(m_pMainFrame.get(), ResourceText(StringKey(Res::kStrDataCleared)),
                          QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
      return;
    delete active;
  }
  OnFileNew();
}

void CProgramApp::OnFileNew() { m_pDocTemplate->NewDocument(); }

void CProgramApp::OnFileOpen() { AskAndOpenDataFile(QString(), Cmd::kFileOpen); }

void CProgramApp::AskAndOpenDataFile(const QString& proposed, int command) {
  const QString path = AskFileName(m_pMainFrame.get(), DataFileRequest(false, proposed, command));
  if (!path.isEmpty()) OpenDataFile(ToStd(path));
}

bool CProgramApp::OpenDataFile(const std::string& path) {
  return m_pDocTemplate->OpenDocumentFile(path, m_pMainFrame->MDIGetActive(), false, HowToOpen(path)) != nullptr;
}

void CProgramApp::OnOpenRecentFile(int index) {
  const std::vector<std::string> recent = RecentFilePaths();
  if (index < 0 || static_cast<std::size_t>(index) >= recent.size()) return;
  // A file that no longer opens leaves the list, as it would mislead.
  if (!OpenDataFile(recent[static_cast<std::size_t>(index)])) ForgetRecentFile(recent[static_cast<std::size_t>(index)]);
}

void CProgramApp::OnAppAbout() {
  CAboutDlg about(m_pMainFrame.get());
  about.DoModal();
}
