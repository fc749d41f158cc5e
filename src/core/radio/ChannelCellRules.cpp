#include "core/radio/ChannelCellRules.h"

#include "core/lang/AnyLanguage.h"
#include "core/lang/AsciiText.h"
#include "core/radio/ToneTables.h"

namespace {

// A typed frequency: its "%3.5f" text, and whether band and raster take it.
struct TypedFrequency {
  std::string text;
  CellVerdict verdict = CellVerdict::Accepted;
};

TypedFrequency CheckFrequency(const std::string& typed, const BandLimits& band) {
  const long long n = FrequencyUnits(LeadingNumber(typed));
  // The text shows the very units the checks took: rounding the typed number
  // instead would turn 446.006256 into 446.00626, a value off the raster.
  TypedFrequency result{FrequencyText(n)};
  // A band reaching below 10 MHz must not let in a frequency that a save
  // would turn into an empty channel.
  if (!band.Contains(n) || !FrequencyIsStorable(n))
    result.verdict = CellVerdict::OutOfRange;
  else if (!OnChannelRaster(n))
    result.verdict = CellVerdict::OffRaster;
  return result;
}

// The tone check: a number with a decimal point from 60.0 to 259.9 Hz, kept
// to one decimal; otherwise the first list entry the text begins, so the cell
// shows what a store will write; anything else is no tone.
std::string CheckedTone(const std::string& typed, Language language) {
  const std::vector<std::string>& list = ToneList(language);
  if (typed.find('.') != std::string::npos) {
    const long long v = ToneTenths(LeadingNumber(typed));
    if (v >= 600 && v < 2600) return FormatFixed(DecimalScale(static_cast<double>(v), 0.1), 1);
    return kNoToneText(language);
  }
  const int entry = FirstEntryBeginning(list, typed);
  return entry >= 0 ? list[static_cast<std::size_t>(entry)] : std::string(kNoToneText(language));
}

// "None" in any case, or "无": the text asks for no tone.
bool IsNoToneText(const std::string& text) {
  return AnyLanguage([&](Language language) { return EqualIgnoringAsciiCase(text, kNoToneText(language)); })
      .has_value();
}

bool IsToneColumn(int column) { return IsChannelColumn(column) && ColumnRow(column).codec == CellCodec::Tone; }

// The receive frequency makes the channel: the empty text or a refused value
// clears the row, a first value fills a new channel's defaults.
CellVerdict CommitReceiveFrequency(ChannelRow& row, const std::string& text, const BandLimits& band,
                                   Language language) {
  if (text.empty()) {
    ClearChannelRow(row);
    return CellVerdict::Accepted;
  }
  const TypedFrequency f = CheckFrequency(text, band);
  if (f.verdict != CellVerdict::Accepted) {
    ClearChannelRow(row);
    return f.verdict;
  }
  if (row[kColRxFrequency].empty())
    FillNewChannelDefaults(row, f.text, language);
  else
    row[kColRxFrequency] = f.text;
  return CellVerdict::Accepted;
}

// Any other frequency: the empty text takes the receive frequency.
CellVerdict CommitTransmitFrequency(ChannelRow& row, int column, const std::string& text, const BandLimits& band) {
  if (text.empty()) {
    row[column] = row[kColRxFrequency];
    return CellVerdict::Accepted;
  }
  const TypedFrequency f = CheckFrequency(text, band);
  // A refused value leaves the cell as it was: an emptied cell would show a
  // channel that the image cannot hold without its transmit frequency, and
  // clearing the row would lose the channel for a typo.
  if (f.verdict == CellVerdict::Accepted) row[column] = row[kColRxFrequency].empty() ? std::string() : f.text;
  return f.verdict;
}

}  // namespace

bool RowHasData(const ChannelRow& row) { return !row[kColRxFrequency].empty() || !row[kColTxFrequency].empty(); }

const std::vector<std::string>& ToneList(Language language) {
  static const std::vector<std::vector<std::string>> lists = [] {
    std::vector<std::vector<std::string>> built;
    for (Language each : kLanguages) built.push_back(BuildToneList(each));
    return built;
  }();
  return lists[LanguageIndex(language)];
}

std::vector<std::string> ColumnItems(int column, Language language) {
  std::vector<std::string> items;
  if (!IsChannelColumn(column) || !ColumnRow(column).IsChoice()) return items;
  for (const ColumnValue& value : ColumnRow(column).values) items.emplace_back((*value.word)(language));
  return items;
}

std::vector<std::string> EditorEntries(int column, Language language) {
  return IsToneColumn(column) ? ToneList(language) : ColumnItems(column, language);
}

namespace {
// The place of `text` among the column's entries in `language`, or -1.
int ColumnItemIndex(int column, const std::string& text, Language language) {
  const std::vector<std::string> items = ColumnItems(column, language);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return -1;
}
}  // namespace

int FirstEntryBeginning(const std::vector<std::string>& entries, const std::string& text) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (StartsWithIgnoringAsciiCase(entries[i], text)) return static_cast<int>(i);
  return -1;
}

PlainDecimal ReadFileMegahertz(const std::string& text, long long& units) { return ReadPlainDecimal(text, 5, units); }

std::string FileToneText(const std::string& hertz) {
  long long tenths = 0;
  if (ReadPlainDecimal(hertz, 1, tenths) != PlainDecimal::Ok) return std::string();
  return FormatFixed(DecimalScale(static_cast<double>(tenths), 0.1), 1);
}

FileCell FileCellValue(int column, const std::string& text) {
  switch (IsChannelColumn(column) ? ColumnRow(column).codec : CellCodec::ChannelNumber) {
    case CellCodec::Frequency: {
      long long units = 0;
      switch (ReadFileMegahertz(text, units)) {
        case PlainDecimal::Ok: return {FileCellVerdict::Exact, FrequencyText(units)};
        case PlainDecimal::NotANumber: return {FileCellVerdict::NotANumber, std::string()};
        case PlainDecimal::Negative: return {FileCellVerdict::Negative, std::string()};
        case PlainDecimal::TooFine: return {FileCellVerdict::TooFine, std::string()};
      }
      return {};
    }
    case CellCodec::Tone: {
      // A tone the check keeps as it is: a list entry, or a tone of one
      // decimal from 60.0 to 259.9 Hz, which typing "99.0" gives too.
      const auto kept = [](const std::string& t) {
        return !t.empty() && AnyLanguage([&](Language language) { return CheckedTone(t, language) == t; });
      };
      if (kept(text)) return {FileCellVerdict::Exact, text};
      const std::string number = FileToneText(text);
      if (kept(number)) return {FileCellVerdict::Exact, number};
      return {};
    }
    case CellCodec::ChannelNumber:
    case CellCodec::RecordBits:
    case CellCodec::ScanBit: break;
  }
  if (AnyLanguage([&](Language language) { return ColumnItemIndex(column, text, language) >= 0; }))
    return {FileCellVerdict::Exact, text};
  return {};
}

void ClearChannelRow(ChannelRow& row) {
  for (int column = kColRxFrequency; column < kChannelColumns; ++column) row[column].clear();
}

void FillNewChannelDefaults(ChannelRow& row, const std::string& f, Language language) {
  for (const ChannelColumnDef& column : kChannelColumnRows) {
    if (column.codec == CellCodec::ChannelNumber) continue;
    row[column.column] =
        column.newChannelValue < 0 ? f : std::string((*column.values[column.newChannelValue].word)(language));
  }
}

CellVerdict CommitChannelCell(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                              Language language) {
  if (!IsChannelColumn(column)) return CellVerdict::Accepted;
  const bool hasData = RowHasData(row);
  switch (ColumnRow(column).codec) {
    case CellCodec::ChannelNumber: return CellVerdict::Accepted;
    case CellCodec::Frequency:
      return column == kColRxFrequency ? CommitReceiveFrequency(row, text, band, language)
                                       : CommitTransmitFrequency(row, column, text, band);
    case CellCodec::Tone:
      row[column] = hasData ? CheckedTone(text, language) : std::string();
      return CellVerdict::Accepted;
    case CellCodec::RecordBits:
    case CellCodec::ScanBit: break;
  }
  if (!hasData) {
    row[column].clear();
    return CellVerdict::Accepted;
  }
  // Any language's entry is taken and shown in the table's language.
  int index = -1;
  const auto found = [&](Language tried) { return (index = ColumnItemIndex(column, text, tried)) >= 0; };
  if (!AnyLanguage(found, language)) return CellVerdict::NotAnItem;
  row[column] = ColumnItems(column, language)[static_cast<std::size_t>(index)];
  return CellVerdict::Accepted;
}

CellVerdict CommitOutsideValue(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                               Language language) {
  if (column != kColRxFrequency && !RowHasData(row))
    return text.empty() ? CellVerdict::Accepted : CellVerdict::NoChannel;
  ChannelRow work = row;
  CellVerdict verdict = CommitChannelCell(work, column, text, band, language);
  const bool toneColumn = IsToneColumn(column);
  // The empty text clears a tone to no tone, as a cleared editor does.
  if (verdict == CellVerdict::Accepted && toneColumn && !text.empty() && work[column] == kNoToneText(language) &&
      !IsNoToneText(text))
    verdict = CellVerdict::UnknownTone;
  if (verdict == CellVerdict::Accepted) row = work;
  return verdict;
}
