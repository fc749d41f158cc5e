#pragma once
// Rules of the channel window that need no window: grid units, the column
// widths, where Enter moves the current cell, and the row commands' message.
#include <string>

#include "core/lang/Language.h"

// Grid positions and sizes are kept in twips, 1440 to the logical inch.
// A pixel count becomes the smallest twips value that maps back to it, so a
// position survives the round trip at any resolution.
int PixelsToTwips(int pixels, int dpi);
int TwipsToPixels(int twips, int dpi);

// The width of a channel table column in twips, from w, the width the grid
// gives column 0 before any width is set; truncated toward zero.
int ChannelColumnWidth(int column, int w);

struct GridCell {
  int row = 0;
  int col = 0;
  bool operator==(const GridCell& other) const { return row == other.row && col == other.col; }
};

// Enter moves along the row, then to column 1 of the next row, and from the
// last cell back to row 1, column 1.
GridCell NextCellAfterEnter(GridCell current, int rows, int cols);

// Home and End as a spreadsheet has them, in a table whose first row and
// column are headers: to the first or last cell of the row, or with Ctrl
// of the whole table.
enum class JumpKey { Home, End, CtrlHome, CtrlEnd };
GridCell CellAfterJump(GridCell current, int rows, int cols, JumpKey key);

// Why inserting `count` empty channels was refused: the last `count`
// channels must be empty to make room.
std::string InsertRefusedText(int count, Language language);
