#include "support/ScopedProgramState.h"

#include "core/link/PortNames.h"
#include "core/profile/ProfileFile.h"
#include "core/shell/StartupRules.h"
#include "gui/shell/AppGlobals.h"

CScopedProgramState::CScopedProgramState()
    : m_strLanguage(g_strLanguage),
      m_language(g_language),
      m_strHelpFile(g_strHelpFile),
      m_strAppDir(g_strAppDir),
      m_strPortName(g_strPortName),
      m_bNewDocument(g_bNewDocument),
      m_bServiceMode(g_bServiceMode),
      m_hooks(AppContext().Hooks()) {}

CScopedProgramState::~CScopedProgramState() {
  g_profile.Clear();
  g_strLanguage = m_strLanguage;
  g_language = m_language;
  g_strHelpFile = m_strHelpFile;
  g_strAppDir = m_strAppDir;
  g_strPortName = m_strPortName;
  g_bNewDocument = m_bNewDocument;
  g_bServiceMode = m_bServiceMode;
  AppContext().Hooks() = m_hooks;
}

void CScopedProgramState::StartAfresh() {
  g_profile.Clear();
  g_strLanguage.clear();
  g_language = Language::English;
  g_strHelpFile = HelpFileForLanguage(Language::English);
  g_strAppDir.clear();
  g_strPortName = PortNameFromNumber(kFirstPort);
  g_bNewDocument = false;
  g_bServiceMode = false;
}
