#include "gui/shell/AppGlobals.h"

#include "core/profile/ProfileFile.h"

CProfileFile g_profile(4);
std::string g_strLanguage;
Language g_language = Language::English;
std::string g_strHelpFile = "enHelp.chm";
std::string g_strAppDir;
std::string g_strPortName = "COM1";
bool g_bNewDocument = false;
bool g_bServiceMode = false;
