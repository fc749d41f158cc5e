#pragma once
// Process-wide values, created before start-up and living until the end.
#include <string>

#include "core/lang/Language.h"

class CProfileFile;

extern CProfileFile g_profile;     // "Program.ini" in the program folder
extern std::string g_strLanguage;  // [Setup] Language as read at start-up
extern Language g_language;        // named by g_strLanguage in any letter case; English else
extern std::string g_strHelpFile;  // "enHelp.chm" / "chHelp.chm"
extern std::string g_strAppDir;    // the program folder, trailing '/'
extern std::string g_strPortName;  // "COM1" until a view reads the setting
extern bool g_bNewDocument;        // the image came from the default data
extern bool g_bServiceMode;        // set by the service password, never cleared
