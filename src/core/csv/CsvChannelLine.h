#pragma once
// What a form makes of one data line: the texts to commit into a new
// channel, or the reason the line is refused before any commit.
#include <string>

#include "core/csv/ChannelCsv.h"

struct CsvChannelLine {
  ChannelRow cells;  // columns 1-8; an empty text keeps the new channel's default
  CsvRefusalReason refusal = CsvRefusalReason::None;
  std::string refusedValue;
};

inline CsvChannelLine RefusedLine(CsvRefusalReason reason, const std::string& value) {
  CsvChannelLine line;
  line.refusal = reason;
  line.refusedValue = value;
  return line;
}

// A row with both frequencies: a channel the radio uses. A row with only a
// receive frequency is empty to the radio, and exported as nothing.
inline bool ChannelRowInUse(const ChannelRow& row) {
  return !row[kColRxFrequency].empty() && !row[kColTxFrequency].empty();
}
