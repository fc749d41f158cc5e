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
  NotAnItem,   // columns 5-8: no entry of the column's list (never typed: those editors are lists)
  // Only for a value from outside the editors (CommitOutsideValue):
  UnknownTone,  // a tone the tone check would turn into no tone
  NoChannel,    // a value for a row that has no frequencies
};

// The tone editors' 264 entries, built once per language.
const std::vector<std::string>& ToneList(Language language);

// The entries of the list editors of columns 5-8, in order; empty for any
// other column.
std::vector<std::string> ColumnItems(int column, Language language);

// The index of the first entry that begins with `text`, without regard to
// ASCII case; -1 when none does. Every entry begins with the empty text.
int FirstEntryBeginning(const std::vector<std::string>& entries, const std::string& text);

// Commits `text` into `row` (its cells as the table shows them) at `column`
// (1-8), the same whether the editor was left or closed with Enter. The row
// may change beyond the cell: a new channel takes its defaults, a refused
// receive frequency clears the row, while a refused transmit frequency
// leaves the row as it was. Anything but Accepted is reported to the user;
// the row is left as the rule says.
CellVerdict CommitChannelCell(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                              Language language);

// A value pasted or imported rather than typed: the rules of a typed value,
// except that a value those rules would not keep as given is refused and the
// row left exactly as it was. Refused besides the typed refusals: a tone the
// tone check would make no tone, and any value but the empty text in columns
// 2-8 of a row without frequencies.
CellVerdict CommitOutsideValue(ChannelRow& row, int column, const std::string& text, const BandLimits& band,
                               Language language);

// Whether `text` is exactly a text the channel table, English or Chinese,
// shows in `column` (1-8): what a file must give, since a file is not typing
// and nothing in it is completed or cut. A frequency in MHz with five
// decimals, a tone the tone check keeps as it is, an entry of a list.
bool IsTableText(int column, const std::string& text);

// Sets columns 1-8 of a row to the empty text.
void ClearChannelRow(ChannelRow& row);

// A channel in use: it has a receive or a transmit frequency.
bool RowHasData(const ChannelRow& row);

// The row of a new channel whose receive and transmit frequency are `f`.
void FillNewChannelDefaults(ChannelRow& row, const std::string& f, Language language);
