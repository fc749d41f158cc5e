#include "gui/settings/SettingsCommands.h"

#include <QPointer>
#include <functional>
#include <memory>

#include "gui/shell/AppGlobals.h"
#include "gui/app/MainFrame.h"
#include "core/shell/ResourceIds.h"
#include "gui/editor/ProgramView.h"
#include "gui/settings/OptionalFeaturesDlg.h"
#include "gui/settings/ParamAdjustDlg.h"
#include "gui/settings/PowerAdjustDlg.h"
#include "gui/settings/ProductInfoDlg.h"

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
