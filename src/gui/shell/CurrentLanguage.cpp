#include "gui/shell/CurrentLanguage.h"

#include "gui/shell/AppGlobals.h"

Language CurrentLanguage() { return g_language; }
