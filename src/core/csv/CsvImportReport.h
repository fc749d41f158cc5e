#pragma once
// The one report an import ends with, in English or Chinese: why a file
// could not be read, or how many channels were imported and every refused
// line with its reason.
#include <cstddef>
#include <string>

#include "core/csv/ChannelCsv.h"
#include "core/lang/Language.h"
#include "core/radio/CellRefusalText.h"

// One sentence, without the file's name.
std::string CsvFileFailureText(const CsvImportResult& result, Language language);

// An export that could not be written: the file and the system's reason.
std::string CsvWriteFailureText(const std::string& path, int err, Language language);

// "Line 7: ..." for one refused line.
std::string CsvRefusalText(const CsvRefusal& refusal, Language language);

// The failure text, or the count of imported channels followed by one line
// per refused line, the first `maxRefusals` of them and a count of the rest
// (a message box cannot show a file of refused lines).
constexpr std::size_t kReportedRefusals = 30;
std::string CsvImportReport(const CsvImportResult& result, Language language,
                            std::size_t maxRefusals = kReportedRefusals);
