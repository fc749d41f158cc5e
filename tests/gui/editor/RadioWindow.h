#pragma once
// The program window with the simulated radio as COM1 and short link
// time-outs, for the tests of the window's transfers.
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "core/files/ProgramDoc.h"
#include "core/link/SimHarness.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/shell/TransferRunner.h"
#include "support/ShellFixture.h"

// The program with the simulated radio as COM1 and short link time-outs.
class RadioWindow {
 public:
  explicit RadioWindow(const std::string& language = "English", SimOptions options = CSimHarness::Fast(),
                       const RadioImage& radio = PatternImage(1))
      : sim(radio, options), shell(MakeProfile(language) + "[Ports]\nCOM1=" + sim.device() + "\n") {
    SetWindowLinkSettings(FastLinkSettings());
  }

  bool Start() {
    if (!shell.Start()) return false;
    Frame()->activateWindow();
    return QTest::qWaitForWindowActive(Frame());
  }
  CMainFrame* Frame() const { return shell.Frame(); }
  CProgramView* View() const { return Frame()->ActiveView(); }
  CProgramDoc* Doc() const { return View()->GetDocument(); }
  ChannelTable Table() const { return View()->Table(); }
  // The progress window while it is on screen.
  CProgressDlg* Progress() const {
    for (CProgressDlg* dialog : Frame()->findChildren<CProgressDlg*>())
      if (dialog->isVisible()) return dialog;
    return nullptr;
  }
  bool WaitForEnd() const {
    for (int waited = 0; waited < 10000; waited += 10) {
      if (Progress() == nullptr && !CTransferRunner::AnyRunning()) return true;
      QTest::qWait(10);
    }
    return false;
  }
  // Runs Read or Write through its progress window's OK to the end.
  bool Transfer(int command) {
    Frame()->OnCommand(command);
    if (Progress() == nullptr) return false;
    Progress()->OkButton()->click();
    return WaitForEnd();
  }
  QStringList Messages() const {
    QStringList texts;
    for (const MessageRequest& message : shell.messages) texts << message.text;
    return texts;
  }

  CSimHarness sim;
  // The short time-outs are put back with the rest of the state.
  ShellFixture shell;
};
