#pragma once
// What differs between two images, the way a user reads them: channels as
// the channel table shows them, options by name, and every other differing
// byte as address ranges. A difference the table and the options
// do not show (a bit no column owns, a byte no field uses) always ends up
// among the bytes, so two images compare equal only when every byte does.
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelTable.h"
#include "core/radio/RadioImage.h"
#include "core/settings/SettingsTexts.h"

class CProfileFile;

struct ChannelDifference {
  int channel = 0;  // 1-16
  ChannelRow first;
  ChannelRow second;
};

struct OptionDifference {
  std::size_t option = 0;  // its place in RadioOptionNames, which the window names by the dialogs' labels
  std::string name;        // "squelch", as programcli show prints it
  std::string first;
  std::string second;
};

struct ByteDifference {
  std::uint16_t start = 0;  // [start, end)
  std::uint16_t end = 0;
  std::vector<std::uint8_t> first;
  std::vector<std::uint8_t> second;
};

struct ImageComparison {
  std::vector<ChannelDifference> channels;
  std::vector<OptionDifference> options;
  std::vector<ByteDifference> bytes;
  bool Same() const { return channels.empty() && options.empty() && bytes.empty(); }
};

// `profile` names the models and bands ("Program.ini").
ImageComparison CompareImages(const RadioImage& first, const RadioImage& second, const CProfileFile& profile,
                              Language language);

// How a differing range reads: "0x040" or "0x040-0x04F"; its bytes "2A 8F".
std::string AddressRangeText(const ByteDifference& range);
std::string HexText(const std::vector<std::uint8_t>& bytes);
