#pragma once
// The program's process-wide state as a test finds it, put back when the
// scope ends: the values the Parts name (AppGlobals.h) and the hooks of the
// application context, where a test answers for the person and shortens the
// link's time-outs. Fixtures change them freely while one of these lives and
// never put them back by hand.
#include <string>

#include "core/lang/Language.h"

#include "gui/shell/AppContext.h"

class CScopedProgramState {
 public:
  CScopedProgramState();
  ~CScopedProgramState();
  CScopedProgramState(const CScopedProgramState&) = delete;
  CScopedProgramState& operator=(const CScopedProgramState&) = delete;

  // The values as a new process has them: no profile, English, no program
  // folder, port COM1, no new document, no service mode. The hooks stay.
  void StartAfresh();

 private:
  // The profile cannot be copied: it is emptied at the end, as every test
  // process begins with it empty.
  std::string m_strLanguage;
  Language m_language;
  std::string m_strHelpFile;
  std::string m_strAppDir;
  std::string m_strPortName;
  bool m_bNewDocument;
  bool m_bServiceMode;
  CAppContext::HookSet m_hooks;
};
