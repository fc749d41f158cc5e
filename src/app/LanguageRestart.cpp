#include "app/LanguageRestart.h"

#include <QWidget>

#include "app/AppGlobals.h"
#include "app/ResourceText.h"
#include "app/StartupRules.h"
#include "app/UiHooks.h"

bool RestartAfterLanguageChange(QWidget* mainWindow) {
  if (mainWindow == nullptr || !mainWindow->close() || mainWindow->isVisible()) return false;
  return StartProgram(FromStd(g_strAppDir + kProgramExecutable));
}
