#pragma once
// Why a file could not be read or saved. The error numbers are those of the
// operating-system seam (core/os/OsError.h): a <cerrno> number or one of the
// program's own (kNotRegularFile, kForeignLink, ...).
#include <string>

#include "core/lang/Language.h"
#include "core/os/OsError.h"

// Why a file could not be read or saved, for a message: the program's own
// text for each error of its own, else the system's text of the number.
std::string FileErrorText(int err, Language language = Language::English);
