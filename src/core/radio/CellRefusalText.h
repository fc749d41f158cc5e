#pragma once
// Why a value for a cell of the channel table was refused, in the words
// every report uses: the channel window's message after a paste or cut and
// the report of a CSV import (window and programcli alike).
#include <string>

#include "core/lang/Language.h"
#include "core/radio/ChannelCellRules.h"

// A value from a file or the clipboard made safe to show in a message: no
// control characters, at most about forty bytes, never cut inside a
// character.
std::string ShownValue(const std::string& value);

// One phrase, without the cell or line the value came from, such as
// "500 is outside the band". A value that is not one of its column's list
// names `column` (1 on), or says "this column" for 0, where the column is
// named already. Empty for Accepted.
std::string CellRefusalText(CellVerdict verdict, const std::string& value, int column, Language language);
