#pragma once
// Rows and tables as the channel window shows them, for the CSV tests.
#include <string>

#include "core/radio/ChannelCodecs.h"
#include "core/radio/ChannelTable.h"

inline ChannelRow Row(const std::string& rx, const std::string& tx, const std::string& dec, const std::string& enc,
                      const std::string& wn = "Wide", const std::string& scan = "Yes", const std::string& busy = "Off",
                      const std::string& power = "High") {
  return ChannelRow{"", rx, tx, dec, enc, wn, scan, busy, power};
}

inline ChannelTable EmptyChannelTable() {
  ChannelTable table;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) table[n - 1][kColChannel] = ChannelNumberText(n);
  return table;
}

// `row` as channel n of `table`.
inline void PutRow(ChannelTable& table, int n, ChannelRow row) {
  row[kColChannel] = ChannelNumberText(n);
  table[n - 1] = row;
}

// 136.00000 to 471.00000 MHz: wide enough for split channels between bands.
inline BandLimits WideBand() { return BandLimitsFromText("136-470"); }
