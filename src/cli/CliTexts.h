#pragma once
// What programcli tells its user in English or Chinese, gathered here so that
// a translator finds every such text of programcli in one place. Usage,
// option help and verb names stay English in both languages.
#include <string>

#include "core/lang/Language.h"

// Joins a clause to the next one.
extern const LangText kClauseSeparator;  // "; "

// Why a band text is refused, to follow "'TEXT' ".
extern const LangText kBandNotLowHigh;
extern const LangText kBandNotAscending;
extern const LangText kBandNotStorable;

// Why a data file's channels cannot be checked against a band: `place` is the
// file's radio type and band index as BandPlaceText gives them.
std::string BandPlaceText(int radioType, int bandIndex, Language language);
std::string NoProfileForBandText(const std::string& place, Language language);
std::string NoBandInProfileText(const std::string& place, Language language);
std::string BadBandInProfileText(const std::string& place, const std::string& bandText, const std::string& reason,
                                 Language language);
// What write adds when it goes on without checking the channels.
extern const LangText kBandNotChecked;

// The line import-csv writes about the band the channels were checked against
// and where it came from ("--band" or "Program.ini").
std::string ImportBandLine(const std::string& band, const std::string& source, Language language);

// write refusing before it sends anything.
extern const LangText kWriteCancelled;
extern const LangText kWrongServicePassword;

// A file that is shorter (or `longer`) than a data file, after its name.
std::string DataFileSizeText(const std::string& path, std::size_t size, bool longer, Language language);
// A verb that would write its output over one of its inputs.
std::string OutputIsInputText(const std::string& verb, const std::string& output, const std::string& input,
                              Language language);

// A port's outcome after a transfer that succeeded: "read into FILE".
extern const LangText kPortReadInto;
extern const LangText kPortWritten;
extern const LangText kPortVerified;

// The ports' progress board and summary table.
extern const LangText kPortWaiting;
extern const LangText kPortColumnTitle;
extern const LangText kOutcomeColumnTitle;
extern const LangText kTimeColumnTitle;

// print asked of a programcli built without the window's library, which draws the report.
extern const LangText kPrintNotBuilt;
