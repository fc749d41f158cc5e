#include "settings/SettingsCommands.h"

#include "app/AppGlobals.h"
#include "app/MainFrame.h"
#include "app/ResourceIds.h"
#include "editor/ProgramView.h"
#include "settings/OptionalFeaturesDlg.h"
#include "settings/ParamAdjustDlg.h"
#include "settings/PowerAdjustDlg.h"
#include "settings/ProductInfoDlg.h"

void InstallSettingsCommands(CMainFrame& frame) {
  auto* options = new COptionalFeaturesDlg(&frame);
  auto* product = new CProductInfoDlg(&frame);
  auto* power = new CPowerAdjustDlg(&frame);
  const auto hasView = [&frame] { return frame.ActiveView() != nullptr; };
  const auto inServiceMode = [&frame] { return g_bServiceMode && frame.ActiveView() != nullptr; };

  frame.SetCommandHandler(
      Cmd::kOptionalFeatures,
      [&frame, options] {
        if (CProgramView* view = frame.ActiveView()) options->DoModal(*view->GetDocument());
      },
      hasView);
  frame.SetCommandHandler(
      Cmd::kProductInformation,
      [&frame, product] {
        if (CProgramView* view = frame.ActiveView()) product->DoModal(*view);
      },
      hasView);
  frame.SetCommandHandler(
      Cmd::kPowerAdjust,
      [&frame, power] {
        if (CProgramView* view = frame.ActiveView()) power->DoModal(*view->GetDocument(), view->GetBandLimits());
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
