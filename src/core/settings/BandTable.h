#pragma once
// The rows of the service tables: one per 10 MHz point of the band, each
// point tied to an entry of a table that starts at 400 MHz.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCodecs.h"

// The points of a band in MHz: `first`, then every multiple of `step` above
// it up to `last`, then `last` itself. (136, 174, 10) gives 136, 140, 150,
// 160, 170, 174; first >= last gives first alone.
std::vector<std::uint16_t> BuildBandPoints(std::uint16_t first, std::uint16_t last, std::uint16_t step);

struct BandTable {
  std::vector<std::uint16_t> points;  // the rows: only points whose entries exist
  int base = 0;                       // the table entry of the first row
  int bandPointCount = 0;             // points of the whole band
  bool Cut() const { return static_cast<int>(points.size()) < bandPointCount; }
};

// The rows of a table of `entryCount` entries for `band`. A band whose lower
// edge lies above 400 MHz starts at the entry of its lower edge, (lo - 400) /
// 10; any other band starts at entry 0. Points beyond the last entry are
// left out, so no row ever reaches past the table.
BandTable BandTableFor(const BandLimits& band, int entryCount);

// One line saying that part of the band has no table entries; empty when
// every point has one.
std::string BandCutNote(const BandTable& table, Language language);
