#include "core/settings/PowerTable.h"

#include <algorithm>
#include <iterator>

#include "core/radio/ImageMap.h"
#include "core/radio/NumberText.h"
#include "core/settings/SettingsTexts.h"

namespace {

static_assert(std::size(kPowerColumnTitles) == kPowerColumns, "a title for every column");

}  // namespace

BandTable PowerTableFor(const BandLimits& band) { return BandTableFor(band, ImageMap::kPowerTableEntries); }

int PowerBaseOffset(const BandTable& table) { return table.base * kPowerColumns; }

std::uint16_t PowerCellOffset(int base, int row, int column) {
  return static_cast<std::uint16_t>(ImageMap::kPowerTable + base + kPowerColumns * (row - 1) + (column - 1));
}

const char* PowerColumnTitle(int column, Language language) { return kPowerColumnTitles[column - 1](language); }

std::vector<PowerRow> PowerCellsFromImage(const RadioImage& image, const BandTable& table) {
  const int base = PowerBaseOffset(table);
  std::vector<PowerRow> cells(table.points.size());
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (int c = 1; c <= kPowerColumns; ++c)
      cells[r][static_cast<std::size_t>(c - 1)] =
          std::to_string(image[PowerCellOffset(base, static_cast<int>(r) + 1, c)]);
  return cells;
}

void StorePowerCells(const std::vector<PowerRow>& cells, const BandTable& table, RadioImage& image) {
  const int base = PowerBaseOffset(table);
  const std::size_t rows = std::min(cells.size(), table.points.size());
  for (std::size_t r = 0; r < rows; ++r) {
    for (int c = 1; c <= kPowerColumns; ++c) {
      const std::string& cell = cells[r][static_cast<std::size_t>(c - 1)];
      image[PowerCellOffset(base, static_cast<int>(r) + 1, c)] =
          static_cast<std::uint8_t>(LeadingInteger(ClosePowerCellEditor(cell)));
    }
  }
}

std::string ClosePowerCellEditor(const std::string& typed) {
  const long long n = LeadingInteger(typed);
  if (n > 255) return "255";
  if (n < 0) return "0";
  return typed;
}
