#pragma once
// The transmit power table (0x3E0-0x3FA): for each 10 MHz point of the band
// one byte per power level, shown in decimal in a grid of three columns.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"
#include "core/settings/BandTable.h"

constexpr int kPowerColumns = 3;  // low, middle, high

// The grid's rows for a band (BandTableFor over the nine power entries).
BandTable PowerTableFor(const BandLimits& band);

// The byte offset of the band's first row inside the table: three bytes per
// entry.
int PowerBaseOffset(const BandTable& table);
// The image byte of grid row `row` (1 = the first band point) and column
// `column` (1 low, 2 middle, 3 high).
std::uint16_t PowerCellOffset(int base, int row, int column);

// Column `column` (1-3)'s title: "Low Power", "Middle Power", "High Power".
const char* PowerColumnTitle(int column, Language language);

// The cells of every row, "%d" of their bytes.
using PowerRow = std::array<std::string, kPowerColumns>;
std::vector<PowerRow> PowerCellsFromImage(const RadioImage& image, const BandTable& table);
// Each cell into its byte, read through the editor's close rule so that no
// text wraps into another value; rows beyond the table's rows are ignored.
void StorePowerCells(const std::vector<PowerRow>& cells, const BandTable& table, RadioImage& image);

// The cell editor's text when it closes: a number of 256 or more becomes
// "255", a negative number "0"; anything else stays as typed.
std::string ClosePowerCellEditor(const std::string& typed);
