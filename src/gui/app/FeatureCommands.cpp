#include "gui/app/FeatureCommands.h"

#include <QPointer>
#include <functional>
#include <memory>

#include "core/shell/ResourceIds.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/editor/ProgramView.h"
#include "gui/print/PrintCommands.h"
#include "gui/settings/OptionalFeaturesDlg.h"
#include "gui/settings/ParamAdjustDlg.h"
#include "gui/settings/PowerAdjustDlg.h"
#include "gui/settings/ProductInfoDlg.h"
#include "gui/shell/AppGlobals.h"

namespace {
// A dialog of the frame made at its first use, not while the program starts,
// and kept from then on like the others.
template <class Dialog>
std::function<Dialog*()> FrameDialog(CMainFrame& frame) {
  auto dialog = std::make_shared<QPointer<Dialog>>();
  return [&frame, dialog] {
    if (dialog->isNull()) *dialog = new Dialog(&frame);
    return dialog->data();
  };
}
}  // namespace

void InstallChannelCommands(CMainFrame& frame) {
  for (int command : CChannelCommands::Commands()) {
    // The channel window shown, not one closed to hide it.
    auto view = [&frame]() -> CProgramView* {
      CProgramView* active = frame.ActiveView();
      return active != nullptr && active->isVisible() ? active : nullptr;
    };
    frame.SetCommandHandler(
        command,
        [view, command] {
          if (CProgramView* active = view()) active->ChannelCommands().OnCommand(command);
        },
        [view, command] {
          const CProgramView* active = view();
          return active != nullptr && active->ChannelCommands().IsEnabled(command);
        });
  }
}

void InstallSettingsCommands(CMainFrame& frame) {
  const auto options = FrameDialog<COptionalFeaturesDlg>(frame);
  const auto product = FrameDialog<CProductInfoDlg>(frame);
  const auto power = FrameDialog<CPowerAdjustDlg>(frame);
  const auto hasView = [&frame] { return frame.ActiveView() != nullptr; };
  const auto inServiceMode = [&frame] { return g_bServiceMode && frame.ActiveView() != nullptr; };

  frame.SetCommandHandler(
      Cmd::kOptionalFeatures,
      [&frame, options] {
        if (CProgramView* view = frame.ActiveView()) options()->DoModal(*view->GetDocument());
      },
      hasView);
  frame.SetCommandHandler(
      Cmd::kProductInformation,
      [&frame, product] {
        if (CProgramView* view = frame.ActiveView()) product()->DoModal(*view);
      },
      hasView);
  frame.SetCommandHandler(
      Cmd::kPowerAdjust,
      [&frame, power] {
        if (CProgramView* view = frame.ActiveView()) power()->DoModal(*view->GetDocument(), view->GetBandLimits());
      },
      inServiceMode);
  frame.SetCommandHandler(
      Cmd::kParamAdjust,
      [&frame] {
        CProgramView* view = frame.ActiveView();
        if (view == nullptr) return;
        CParamAdjustDlg dialog(&frame);
        dialog.DoModal(*view->GetDocument(), view->GetBandLimits());
      },
      inServiceMode);
}

std::optional<PrintoutSource> ActivePrintoutSource(const CMainFrame& frame) {
  const CChildFrame* window = frame.MDIGetActive();
  if (window == nullptr || window->Document() == nullptr) return std::nullopt;
  return ChannelWindowPrintout(*window->View());
}

void InstallPrintCommands(CMainFrame& frame, CPrintCommands& commands) {
  const auto hasSource = [&frame] { return frame.MDIGetActive() != nullptr; };
  frame.SetCommandHandler(Cmd::kFilePrintSetup, [&frame, &commands] { commands.OnFilePrintSetup(&frame); });
  frame.SetCommandHandler(
      Cmd::kFilePrint,
      [&frame, &commands] {
        if (const auto s = ActivePrintoutSource(frame)) commands.OnFilePrint(&frame, *s);
      },
      hasSource);
  frame.SetCommandHandler(
      Cmd::kFilePrintPreview,
      [&frame, &commands] {
        if (const auto s = ActivePrintoutSource(frame)) commands.OnFilePrintPreview(&frame, *s);
      },
      hasSource);
}
