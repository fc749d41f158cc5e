#pragma once
// Blocks of channel table cells on the clipboard, as tab-separated text (the
// form spreadsheets copy and paste), and pasting a block through the same
// rules a typed value passes.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCellRules.h"
#include "core/radio/ChannelTable.h"

// Rows are channels 1-16, columns the table's 1-8; both ends included.
struct CellRange {
  int top = 1;
  int left = 1;
  int bottom = 1;
  int right = 1;
  int Rows() const { return bottom - top + 1; }
  int Cols() const { return right - left + 1; }
};

using CellBlock = std::vector<std::vector<std::string>>;  // rows of cells

// The cells of `range`, a tab between cells and a line end between rows.
std::string BlockText(const ChannelTable& table, const CellRange& range);
// Text from a spreadsheet or any program: lines ending in LF or CRLF (a last
// empty line dropped), cells separated by tabs, each trimmed of blanks and of
// the double quotes a spreadsheet puts round some cells.
CellBlock ParseBlockText(const std::string& text);
// More than one cell: the text is a block, not a value for one editor.
bool IsBlockText(const std::string& text);

struct PasteRefusal {
  int channel = 0;
  int column = 0;
  CellVerdict verdict = CellVerdict::Accepted;
  std::string text;
};

struct PasteResult {
  std::vector<PasteRefusal> refused;  // every cell not taken, in the order they were tried
  std::vector<int> cleared;           // channels the rules emptied beyond the cells written
  int outside = 0;                    // cells beyond channel 16 or column 8
};

// Pastes `block` with its first cell at the top left of `target`; when the
// target is a whole multiple of the block in both directions, the block is
// repeated over all of it. Each row takes its cells from left to right, so
// a receive frequency is in place before the cells that need a channel.
// Every value goes through CommitOutsideValue: a refused cell keeps its
// value. A value for a row without a channel (its receive frequency refused
// or emptied) is refused for its own fault when it has one, else for the
// missing channel. A channel that an emptied receive frequency cleared,
// cells the block did not write included, is listed as cleared.
PasteResult PasteBlock(ChannelTable& table, const CellRange& target, const CellBlock& block, const BandLimits& band,
                       Language language);

// Clears every cell of `range` as emptying its editor would (an emptied
// receive frequency clears the channel); cells a channel in use cannot do
// without are refused.
PasteResult ClearBlock(ChannelTable& table, const CellRange& range, const BandLimits& band, Language language);

// The one message that tells every refused cell with its channel, column,
// value and reason, every channel cleared and the cells beyond the table;
// empty when there is nothing to tell. `cut`: the result of ClearBlock.
std::string PasteReport(const PasteResult& result, bool cut, Language language);
