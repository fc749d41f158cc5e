#include "core/csv/ChannelCsv.h"

#include <algorithm>
#include <array>

#include "core/csv/ChirpCsvForm.h"
#include "core/csv/CsvColumns.h"
#include "core/csv/OwnCsvForm.h"
#include "core/files/ReadFileHead.h"
#include "core/lang/AnyLanguage.h"
#include "core/radio/ChannelCellRules.h"

namespace {

ChannelTable EmptyTable() {
  ChannelTable table;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) table[n - 1][kColChannel] = ChannelNumberText(n);
  return table;
}

// Why a value that is no value of its column is refused.
CsvRefusal InexactValue(int column, const std::string& text, FileCellVerdict verdict) {
  using R = CsvRefusalReason;
  switch (verdict) {
    case FileCellVerdict::Exact: break;
    case FileCellVerdict::NotANumber: return {0, R::NotMegahertz, text, column};
    case FileCellVerdict::Negative: return {0, R::OutOfRange, text};
    case FileCellVerdict::TooFine: return {0, R::OffRaster, text};
    case FileCellVerdict::NotAValue: break;
  }
  if (ColumnRow(column).codec == CellCodec::Tone) return {0, R::UnknownTone, text};
  return {0, R::UnknownValue, text, column};
}

// The line's values committed into a new channel, column by column, as the
// grid's editors commit them; the first refused value refuses the line.
CsvRefusal CommitLine(const CsvChannelLine& line, const BandLimits& band, Language language, ChannelRow& row) {
  using R = CsvRefusalReason;
  const std::string& rx = line.cells[kColRxFrequency];
  if (rx.empty()) return {0, R::NoFrequency, rx};
  for (int column = kColRxFrequency; column < kChannelColumns; ++column) {
    const std::string& text = line.cells[column];
    if (column != kColRxFrequency && text.empty()) continue;  // the new channel's default
    // The cell rules complete and cut what is typed ("1" becomes 100.0,
    // 88.49 becomes 88.4); a file gives a value of the column or nothing.
    const FileCell value = FileCellValue(column, text);
    if (value.verdict != FileCellVerdict::Exact) return InexactValue(column, text, value.verdict);
    switch (CommitOutsideValue(row, column, value.text, band, language)) {
      case CellVerdict::Accepted: break;
      case CellVerdict::OutOfRange: return {0, R::OutOfRange, text};
      case CellVerdict::OffRaster: return {0, R::OffRaster, text};
      case CellVerdict::NotAnItem: return {0, R::UnknownValue, text, column};
      case CellVerdict::UnknownTone: return {0, R::UnknownTone, text};
      case CellVerdict::NoChannel:  // the receive frequency came first
        return {0, R::NoFrequency, text};
    }
  }
  return {};
}

// A Location (CH) from 1 to 16, written as a plain number; 0 otherwise.
int ChannelOfLocation(const std::string& location) {
  if (location.empty() || location.size() > 2 || location.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  const int n = std::stoi(location);
  return n >= 1 && n <= ImageMap::kChannelCount ? n : 0;
}

}  // namespace

CsvImportResult ImportChannelsCsv(const std::string& text, const BandLimits& band, Language language) {
  CsvImportResult result;
  result.table = EmptyTable();
  const CsvReadResult read = ReadCsv(text);
  if (read.status != CsvReadStatus::Ok) {
    result.failure = read.status == CsvReadStatus::HoldsNul  ? CsvFileFailure::HoldsNul
                     : read.status == CsvReadStatus::NotUtf8 ? CsvFileFailure::NotUtf8
                                                             : CsvFileFailure::UnclosedQuote;
    result.failureLine = read.line;
    return result;
  }

  std::vector<const CsvRecord*> records;
  for (const CsvRecord& record : read.records)
    if (!IsBlankRecord(record)) records.push_back(&record);
  if (records.empty()) {
    result.failure = CsvFileFailure::NotChannelList;
    return result;
  }
  const CCsvColumns columns(records.front()->fields);
  records.erase(records.begin());

  const COwnCsvForm own(columns);
  const CChirpCsvForm chirp(columns);
  int locationColumn = -1;
  if (own.Recognised()) {
    result.form = CsvForm::Own;
    locationColumn = columns.Find(EveryForm([](Language each) { return ChannelColumnTitle(kColChannel, each); }));
  } else if (chirp.Recognised()) {
    result.form = CsvForm::Chirp;
    locationColumn = columns.Find({"Location"});
  } else {
    result.failure = CsvFileFailure::NotChannelList;
    return result;
  }

  // A line with nothing but its channel number is an empty channel: it stays
  // empty, as every channel the file does not fill.
  records.erase(std::remove_if(records.begin(), records.end(),
                               [&](const CsvRecord* r) { return IsBlankRecord(*r, locationColumn); }),
                records.end());
  std::vector<CsvChannelLine> lines;
  std::vector<std::string> locations;
  bool byLocation = !records.empty();
  for (const CsvRecord* record : records) {
    lines.push_back(result.form == CsvForm::Own ? own.Line(*record) : chirp.Line(*record));
    locations.push_back(CCsvColumns::Field(*record, locationColumn));
    byLocation = byLocation && ChannelOfLocation(locations.back()) != 0;
  }

  std::array<bool, ImageMap::kChannelCount> taken{};
  int next = 1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const CsvChannelLine& line = lines[i];
    const int lineNumber = records[i]->line;
    CsvRefusal refusal{lineNumber, line.refusal, line.refusedValue};
    ChannelRow row;
    if (refusal.reason == CsvRefusalReason::None) {
      refusal = CommitLine(line, band, language, row);
      refusal.line = lineNumber;
    }
    const int channel = byLocation ? ChannelOfLocation(locations[i]) : next;
    if (refusal.reason == CsvRefusalReason::None) {
      if (channel > ImageMap::kChannelCount)
        refusal = {lineNumber, CsvRefusalReason::TooManyChannels, std::string()};
      else if (taken[channel - 1])
        refusal = {lineNumber, CsvRefusalReason::ChannelTaken, locations[i]};
    }
    if (refusal.reason != CsvRefusalReason::None) {
      result.refused.push_back(refusal);
      continue;
    }
    row[kColChannel] = ChannelNumberText(channel);
    result.table[channel - 1] = row;
    taken[channel - 1] = true;
    ++next;
    ++result.imported;
  }
  return result;
}

CsvImportResult ImportChannelsCsvFile(const std::string& path, const BandLimits& band, Language language) {
  std::string text;
  const int err = ReadFileHead(path, kMaxChannelCsvSize + 1, text);
  CsvImportResult result;
  if (err != 0) {
    result.failure = CsvFileFailure::CannotRead;
    result.sysError = err;
  } else if (text.size() > kMaxChannelCsvSize) {
    result.failure = CsvFileFailure::TooLarge;
  } else {
    return ImportChannelsCsv(text, band, language);
  }
  result.table = EmptyTable();
  return result;
}
