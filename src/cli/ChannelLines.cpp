#include "cli/ChannelLines.h"

std::string TabbedColumnTitles(Language language) {
  std::string text;
  for (int c = kColRxFrequency; c < kChannelColumns; ++c) text += std::string("\t") + ChannelColumnTitle(c, language);
  return text;
}

std::string TabbedCells(const ChannelRow& row) {
  std::string text;
  for (int c = kColRxFrequency; c < kChannelColumns; ++c) text += "\t" + row[static_cast<std::size_t>(c)];
  return text;
}
