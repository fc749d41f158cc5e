#include "core/settings/ImageCompare.h"

#include <cstdio>

#include "core/settings/RadioOptions.h"

namespace {

// What the user sees of an image, as far as a comparison goes.
struct View {
  ChannelTable table;
  std::vector<RadioOptionValue> options;
};

class CViewer {
 public:
  CViewer(const CProfileFile& profile, Language language) : m_profile(profile), m_language(language) {}

  View Of(const RadioImage& image) const {
    return View{TableFromImage(image, m_language), RadioOptionsOfImage(image, m_profile, m_language)};
  }

  // True when `changed` shows something different from `view` in one of the
  // channels or options already listed as different.
  bool ShownIn(const RadioImage& changed, const View& view, const std::vector<int>& channels,
               const std::vector<std::size_t>& options) const {
    for (int n : channels)
      if (DecodeChannelRow(changed, n, m_language) != view.table[static_cast<std::size_t>(n - 1)]) return true;
    if (options.empty()) return false;
    const std::vector<RadioOptionValue> values = RadioOptionsOfImage(changed, m_profile, m_language);
    for (std::size_t i : options)
      if (values[i].value != view.options[i].value) return true;
    return false;
  }

 private:
  const CProfileFile& m_profile;
  Language m_language;
};

}  // namespace

ImageComparison CompareImages(const RadioImage& first, const RadioImage& second, const CProfileFile& profile,
                              Language language) {
  ImageComparison result;
  const CViewer viewer(profile, language);
  const View a = viewer.Of(first);
  const View b = viewer.Of(second);
  std::vector<int> channels;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    if (a.table[i] == b.table[i]) continue;
    channels.push_back(n);
    result.channels.push_back(ChannelDifference{n, a.table[i], b.table[i]});
  }
  std::vector<std::size_t> options;
  for (std::size_t i = 0; i < a.options.size(); ++i) {
    if (a.options[i].value == b.options[i].value) continue;
    options.push_back(i);
    result.options.push_back(OptionDifference{i, a.options[i].name, a.options[i].value, b.options[i].value});
  }

  // A differing bit is shown when taking it over from the other image alone
  // changes a listed channel or option, seen from either side. A byte with
  // any bit not shown is listed with its address.
  for (std::size_t at = 0; at < RadioImage::size(); ++at) {
    const std::uint8_t diff = static_cast<std::uint8_t>(first[at] ^ second[at]);
    bool hidden = false;
    for (int bit = 0; bit < 8 && !hidden && diff != 0; ++bit) {
      const std::uint8_t mask = static_cast<std::uint8_t>(1u << bit);
      if (!(diff & mask)) continue;
      RadioImage fromFirst = first;
      fromFirst[at] ^= mask;
      RadioImage fromSecond = second;
      fromSecond[at] ^= mask;
      hidden = !viewer.ShownIn(fromFirst, a, channels, options) && !viewer.ShownIn(fromSecond, b, channels, options);
    }
    if (!hidden) continue;
    if (result.bytes.empty() || result.bytes.back().end != at)
      result.bytes.push_back(ByteDifference{static_cast<std::uint16_t>(at), static_cast<std::uint16_t>(at), {}, {}});
    ByteDifference& range = result.bytes.back();
    range.end = static_cast<std::uint16_t>(at + 1);
    range.first.push_back(first[at]);
    range.second.push_back(second[at]);
  }
  return result;
}

std::string AddressRangeText(const ByteDifference& range) {
  char text[32];
  if (range.end - range.start <= 1)
    std::snprintf(text, sizeof text, "0x%03X", range.start);
  else
    std::snprintf(text, sizeof text, "0x%03X-0x%03X", range.start, range.end - 1);
  return text;
}

std::string HexText(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char hex[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(hex, sizeof hex, "%02X", b);
    if (!text.empty()) text += ' ';
    text += hex;
  }
  return text;
}
