#include "core/settings/BandTable.h"

#include <algorithm>

#include "core/settings/SettingsTexts.h"

namespace {

constexpr long long kUnitsPerMegahertz = 100000;  // units of 10 Hz
constexpr int kTableStart = 400;                  // MHz of entry 0
constexpr int kPointStep = 10;                    // MHz between entries

std::uint16_t WholeMegahertz(long long units) {
  return static_cast<std::uint16_t>(std::clamp<long long>(units / kUnitsPerMegahertz, 0, UINT16_MAX));
}

}  // namespace

std::vector<std::uint16_t> BuildBandPoints(std::uint16_t first, std::uint16_t last, std::uint16_t step) {
  std::vector<std::uint16_t> points{first};
  if (step == 0) return points;
  for (int point = first; point < last;) {
    point = std::min<int>(point + step - point % step, last);
    points.push_back(static_cast<std::uint16_t>(point));
  }
  return points;
}

BandTable BandTableFor(const BandLimits& band, int entryCount) {
  // The upper limit lies one MHz above the band's top.
  const std::uint16_t lo = WholeMegahertz(band.lower);
  const std::uint16_t hi = WholeMegahertz(band.upper - kUnitsPerMegahertz);
  BandTable table;
  table.points = BuildBandPoints(lo, hi, kPointStep);
  table.bandPointCount = static_cast<int>(table.points.size());
  table.base = lo > kTableStart ? (lo - kTableStart) / kPointStep : 0;
  const int fitting = std::clamp(entryCount - table.base, 0, table.bandPointCount);
  table.points.resize(static_cast<std::size_t>(fitting));
  return table;
}

std::string BandCutNote(const BandTable& table, Language language) {
  if (!table.Cut()) return std::string();
  return BandCutText(table.points.size(), table.bandPointCount, language);
}
