#include "gui/app/SafeProgramming.h"

#include <string>
#include <vector>

#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/DataFileMessage.h"
#include "core/files/ProgramDoc.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ImageCompare.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/DocumentFiles.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/settings/CompareDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/UserSettings.h"
#include "gui/shell/WindowTexts.h"

namespace {

QString AppBackupFolder() { return FromStd(BackupFolder(g_profile.GetString("Setup", "AppName", ""))); }

// The dialog opens on the newest backup, so Enter opens what the radio
// held before the last change.
void OnFileOpenBackup(CMainFrame& frame, const std::function<void(const QString&, int)>& openDataFile) {
  const QString folder = AppBackupFolder();
  const std::vector<std::string> names = ListBackups(ToStd(folder));
  if (names.empty()) {
    ProgramMessageBox(&frame, LangString(kNoBackups).arg(folder));
    return;
  }
  openDataFile(folder + FromStd(names.back()), Cmd::kFileOpenBackup);
}

// The open document as its table shows it, edits not yet stored included,
// against the file chosen.
void OnFileCompare(CMainFrame& frame) {
  CChildFrame* window = frame.MDIGetActive();
  if (window == nullptr) return;
  window->View()->CommitPendingEdit();
  const QString path = AskFileName(&frame, DataFileRequest(false, QString(), Cmd::kFileCompare));
  if (path.isEmpty()) return;
  RadioImage other;
  const DataFileResult loaded = LoadDataFile(ToStd(path), other);
  if (!loaded.ok()) {
    // A short file is told too: keeping silent would look like no difference.
    ProgramMessageBox(&frame, FromStd(CommandLineOpenMessage(loaded, ToStd(path), CurrentLanguage())));
    return;
  }
  RadioImage shown = window->Document()->image;
  StoreTableToImage(window->View()->Table(), shown);
  const ImageComparison differences = CompareImages(shown, other, g_profile, CurrentLanguage());
  if (differences.Same()) {
    ProgramMessageBox(&frame, LangString(kImagesSameText));
    return;
  }
  CCompareDlg dialog(&frame, differences, path);
  RunModal(dialog);
}

}  // namespace

void InstallSafeProgrammingCommands(CMainFrame& frame,
                                    std::function<void(const QString& proposed, int command)> openDataFile) {
  frame.SetCommandHandler(Cmd::kFileOpenBackup, [&frame, openDataFile] { OnFileOpenBackup(frame, openDataFile); });
  frame.SetCommandHandler(
      Cmd::kFileCompare, [&frame] { OnFileCompare(frame); }, [&frame] { return frame.MDIGetActive() != nullptr; });
  for (const auto& [command, setting] : {std::pair{Cmd::kVerifyAfterWrite, kVerifyAfterWriteSetting},
                                         std::pair{Cmd::kSerialTrace, kSerialTraceSetting}}) {
    const char* name = setting;
    frame.SetCommandHandler(
        command, [&frame, name] { WriteUserChoice(&frame, name, UserSwitchOn(name) ? 0 : 1); }, {},
        [name] { return UserSwitchOn(name); });
  }
}
