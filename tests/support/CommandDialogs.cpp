#include "support/CommandDialogs.h"

#include <QDialog>
#include <QTest>

#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/radio/ImageMap.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/HtmlHelp.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/shell/AppGlobals.h"

const std::vector<std::pair<const char*, int>>& CommandDialogList() {
  static const std::vector<std::pair<const char*, int>> list = {{"Product Information", Cmd::kProductInformation},
                                                                {"Optional Features", Cmd::kOptionalFeatures},
                                                                {"Com Setup", Cmd::kComSetup},
                                                                {"Language", Cmd::kLanguage},
                                                                {"About", Cmd::kAppAbout},
                                                                {"Progress", Cmd::kRead},
                                                                {"Password", kPasswordDialog},
                                                                {"Power Adjustment", Cmd::kPowerAdjust},
                                                                {"Parameter Adjustment", Cmd::kParamAdjust},
                                                                {"Compare With", Cmd::kFileCompare},
                                                                {"Help", kHelpWindow}};
  return list;
}

bool ShowCommandDialogs(ShellFixture& shell, int command, const std::function<void(QWidget&)>& look) {
  CMainFrame* frame = shell.Frame();
  bool shown = false;
  const auto showWindow = [&](QWidget& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return;
    look(window);
    shown = true;
    window.hide();
  };
  if (command == kHelpWindow) {
    CHelpWindow help(frame);
    showWindow(help);
    return shown;
  }
  g_bServiceMode = command != kPasswordDialog;
  shell.modal = [&](QDialog& dialog) {
    showWindow(dialog);
    return int(QDialog::Rejected);
  };
  if (command == Cmd::kFileCompare) {
    RadioImage other = BuiltInDefaults();
    other[0x20] = 0x12;  // channel 2 and an option differ
    other[ImageMap::kProductBand] = 1;
    shell.Write("other.dat", DataFileBytes(other));
    shell.fileNames.push_back(QString::fromStdString(shell.FilePath("other.dat")));
  }
  if (command == kPasswordDialog)
    frame->UnlockService();
  else
    frame->OnCommand(command);
  if (command == Cmd::kRead) {
    // The progress window is not modal to the program: it stays open.
    if (auto* progress = frame->findChild<CProgressDlg*>()) {
      showWindow(*progress);
      progress->reject();
    } else {
      shown = false;
    }
  }
  shell.modal = nullptr;
  return shown;
}
