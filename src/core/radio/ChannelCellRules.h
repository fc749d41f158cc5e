#pragma once
// What a text typed, pasted or imported into a cell of the channel table does
// to its row. The grid's editors, the clipboard and the CSV import all commit
// through here, so a value passes the same checks whichever way it came.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/ChannelTable.h"

enum class CellVerdict {
  Accepted,
  OutOfRange,  // string 61448: outside the band
  OffRaster,   // string 61456: off the 5 kHz / 6.25 kHz raster
  NotAnItem,   // a word column: no entry of its list (never typed: those editors are lists)
  // Only for a value from outside the editors (CommitOutsideValue):
  UnknownTone,  // a tone the tone check would turn into no tone
  NoChannel,    // a value for a row that has no frequencies
};

// The tone editors' 264 entries, built once per language.
const std::vector<std::string>& ToneList(Language language);

// The words of a word column (its list editor's entries), in order; empty
// for any other column.
std::vector<std::string> ColumnItems(int column, Language language);
// What the editor of a column lists: a tone column's tone list, a word
// column's words, nothing for the rest.
std::vector<std::string> EditorEntries(int column, Language language);

// The index of the first entry that begins with `text`, without regard to
// ASCII case; -1 when none does. Every entry begins with the empty text.
int FirstEntryBeginning(const std::vector<std::string>& entries, const std::string& text);

// Commits `text` into `row` (its cells as the table shows them) at `column`
// (1 on), the same whether the editor was left or closed with Enter. The row
// may change beyond the cell: a new channel takes its defaults, a refused
// receive frequency clears the row, while a refused transmit frequency
// leaves the row as it was. Anything but Accepted is reported to the user;
// the row is left as the rule says.
CellVerdict CommitChannelCell(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                              Language language);

// A value pasted or imported rather than typed: the rules of a typed value,
// except that a value those rules would not keep as given is refused and the
// row left exactly as it was. Refused besides the typed refusals: a tone the
// tone check would make no tone, and any value but the empty text in a column
// past the receive frequency of a row without frequencies.
CellVerdict CommitOutsideValue(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                               Language language);

// Values a file gives. A file is not typing: nothing in it is completed or
// cut. But a spreadsheet that opened and saved an exported list writes its
// numbers without trailing zeros, and a number that is numerically exactly
// a value of its column is that value: "146.52" is 146.52000, "100" the
// tone 100.0.

// A frequency in MHz written plainly ("446.006250", "446.5"), in units of
// 10 Hz; TooFine for a digit other than 0 past the fifth decimal, which no
// raster step reaches.
PlainDecimal ReadFileMegahertz(const std::string& text, long long& units);

// A CTCSS tone in Hz written plainly ("100", "100.00", "88.5") as the table
// writes it ("100.0"); the empty text when it is no number of whole tenths.
// Whether the tone is one the column takes is the caller's question.
std::string FileToneText(const std::string& hertz);

enum class FileCellVerdict {
  Exact,
  NotANumber,  // a frequency that is no plain number
  Negative,    // a frequency below zero
  TooFine,     // a frequency with a digit other than 0 past the fifth decimal
  NotAValue,   // a tone or a list entry the column does not hold
};
struct FileCell {
  FileCellVerdict verdict = FileCellVerdict::NotAValue;
  std::string text;  // when Exact: the value as the table writes it
};
// `text` given for `column` (1 on): a text the channel table shows there,
// English or Chinese, or a number that is exactly a value of the column. An
// Exact frequency still has the band and raster checks of its commit ahead.
FileCell FileCellValue(int column, const std::string& text);

// Sets every column but the number of a row to the empty text.
void ClearChannelRow(ChannelRow& row);

// A channel in use: it has a receive or a transmit frequency.
bool RowHasData(const ChannelRow& row);

// The row of a new channel whose receive and transmit frequency are `f`.
void FillNewChannelDefaults(ChannelRow& row, const std::string& f, Language language);
