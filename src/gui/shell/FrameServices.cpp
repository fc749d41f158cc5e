#include "gui/shell/FrameServices.h"

#include "gui/shell/AppContext.h"

namespace {
// Stands in while no main window is registered.
class CNoFrame final : public CFrameServices {
 public:
  void ShowHelpForFocus() override {}
  void ShowCommandHelp(int, QWidget*) override {}
  void ShowTransferBusyNote() override {}
  void UpdateCommandUI() override {}
  bool RestartProgram() override { return false; }
};
}  // namespace

CFrameServices& FrameServices() {
  static CNoFrame none;  // holds nothing
  CFrameServices* frame = AppContext().m_pFrame;
  return frame != nullptr ? *frame : none;
}

void RegisterFrameServices(CFrameServices* frame) { AppContext().m_pFrame = frame; }
