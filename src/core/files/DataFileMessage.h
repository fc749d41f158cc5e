#pragma once
// The one text a user sees when a data file cannot be opened or saved.
#include <string>

#include "core/files/DataFile.h"
#include "core/lang/Language.h"

// "Data Format Error" / "数据格式不正确" for a wrong signature; the empty text
// for a success and for a short file (which fails without a word); otherwise
// a sentence naming the file and the reason (the system's, or a file longer
// than a data file).
std::string DataFileFailureMessage(const DataFileResult& result, const std::string& path, bool saving,
                                   Language language);

// The same, for the file named on the command line: nothing else shows then,
// so a short file is reported too.
std::string CommandLineOpenMessage(const DataFileResult& result, const std::string& path, Language language);

// Asked before the program closes over a modified document.
std::string SaveChangesQuestion(const std::string& title, Language language);
