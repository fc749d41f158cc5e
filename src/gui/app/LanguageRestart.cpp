#include "gui/app/LanguageRestart.h"

#include <QWidget>

#include "core/shell/StartupRules.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"

bool RestartAfterLanguageChange(QWidget* mainWindow) {
  if (mainWindow == nullptr || !mainWindow->close() || mainWindow->isVisible()) return false;
  return StartProgram(FromStd(g_strAppDir + kProgramExecutable));
}
