#pragma once
// The process's language as the core takes it.
#include "core/lang/Language.h"

Language CurrentLanguage();
