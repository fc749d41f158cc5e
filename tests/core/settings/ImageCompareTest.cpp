// Comparing two images: channels and options as the user reads them, and
// every difference they do not show as bytes.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "core/files/NewDocumentImage.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ImageCompare.h"
#include "core/settings/RadioOptions.h"

namespace {

void SetRow(RadioImage& image, int n, const char* rx, const char* power) {
  ChannelRow row{"", rx, rx, "None", "None", "Wide", "Yes", "Off", power};
  EncodeChannelRow(row, n, image);
}

RadioImage Base() {
  RadioImage image = BuiltInDefaults();
  SetRow(image, 3, "446.00625", "High");
  return image;
}

const CProfileFile& Profile() {
  static CProfileFile profile;
  if (!profile.IsLoaded()) profile.ParseText("[Setup]\nType1=QR-160\nField1=136-174MHz|146-174MHz\n");
  return profile;
}

std::size_t At(int channel, int field) { return RadioImage::ChannelOffset(channel) + static_cast<std::size_t>(field); }

struct CompareCase {
  const char* name;
  std::function<void(RadioImage&)> change;
  std::vector<int> channels;
  std::vector<std::string> options;
  std::vector<std::pair<int, int>> ranges;  // [start, end)
};

TEST(ImageCompare, ListsWhatTheUserSeesAndEveryOtherByte) {
  const CompareCase cases[] = {
      {"same", [](RadioImage&) {}, {}, {}, {}},
      {"channel", [](RadioImage& i) { SetRow(i, 3, "446.10000", "High"); }, {3}, {}, {}},
      {"new_channel", [](RadioImage& i) { SetRow(i, 16, "146.52000", "Low"); }, {16}, {}, {}},
      {"option", [](RadioImage& i) { i[ImageMap::kSquelchLevel] = 3; }, {}, {"squelch"}, {}},
      {"band", [](RadioImage& i) { i[ImageMap::kProductBand] ^= 1; }, {}, {"band"}, {}},
      {"unnamed_bytes",
       [](RadioImage& i) {
         i[0x3FB] = 0;
         i[0x3FC] = 0;
         i[0x3FE] = 0;
       },
       {},
       {},
       {{0x3FB, 0x3FD}, {0x3FE, 0x3FF}}},
      // Bytes 14-15 of a record and the bits no column owns show nowhere.
      {"record_byte_14", [](RadioImage& i) { i[At(3, 14)] ^= 0x01; }, {}, {}, {{0x03E, 0x03F}}},
      {"power_and_a_foreign_bit",
       [](RadioImage& i) {
         SetRow(i, 3, "446.00625", "Low");
         i[At(3, 13)] ^= 0x01;
       },
       {3},
       {},
       {{0x03D, 0x03E}}},
      {"power_alone", [](RadioImage& i) { SetRow(i, 3, "446.00625", "Low"); }, {3}, {}, {}},
      {"beep_bit_not_shown", [](RadioImage& i) { i[ImageMap::kBeep] ^= 0x02; }, {}, {}, {{0x136, 0x137}}},
      // An empty row hides its bandwidth.
      {"empty_row_bandwidth",
       [](RadioImage& i) { i[At(5, 13)] ^= ImageMap::Channel::kWideBit; },
       {},
       {},
       {{0x05D, 0x05E}}},
      {"one_of_each",
       [](RadioImage& i) {
         SetRow(i, 3, "446.10000", "High");
         i[ImageMap::kTimeOutTimer] = 4;
         i[0x200] ^= 0xFF;
       },
       {3},
       {"timeout"},
       {{0x200, 0x201}}},
  };
  for (const CompareCase& c : cases) {
    const RadioImage a = Base();
    RadioImage b = a;
    c.change(b);
    const ImageComparison d = CompareImages(a, b, Profile(), Language::English);
    EXPECT_EQ(d.Same(), a == b) << c.name;
    std::vector<int> channels;
    for (const ChannelDifference& ch : d.channels) {
      channels.push_back(ch.channel);
      EXPECT_EQ(ch.first, DecodeChannelRow(a, ch.channel, Language::English)) << c.name;
      EXPECT_EQ(ch.second, DecodeChannelRow(b, ch.channel, Language::English)) << c.name;
    }
    EXPECT_EQ(channels, c.channels) << c.name;
    std::vector<std::string> options;
    for (const OptionDifference& o : d.options) options.push_back(o.name);
    EXPECT_EQ(options, c.options) << c.name;
    std::vector<std::pair<int, int>> ranges;
    for (const ByteDifference& r : d.bytes) {
      ranges.emplace_back(r.start, r.end);
      for (int at = r.start; at < r.end; ++at) {
        EXPECT_EQ(r.first[static_cast<std::size_t>(at - r.start)], a[static_cast<std::size_t>(at)]) << c.name;
        EXPECT_EQ(r.second[static_cast<std::size_t>(at - r.start)], b[static_cast<std::size_t>(at)]) << c.name;
      }
    }
    EXPECT_EQ(ranges, c.ranges) << c.name;
  }
}

TEST(ImageCompare, OptionValuesSideBySideInTheLanguageAsked) {
  RadioImage b = Base();
  b[ImageMap::kSquelchLevel] = 3;
  b[ImageMap::kBeep] = 0;
  const ImageComparison d = CompareImages(Base(), b, Profile(), Language::Chinese);
  ASSERT_EQ(d.options.size(), 2u);
  EXPECT_EQ(d.options[0].name, "squelch");
  EXPECT_EQ(RadioOptionNames()[d.options[0].option], "squelch");
  EXPECT_EQ(d.options[0].first, "5");
  EXPECT_EQ(d.options[0].second, "3");
  EXPECT_EQ(d.options[1].name, "beep");
  EXPECT_EQ(d.options[1].first, "开");
  EXPECT_EQ(d.options[1].second, "关");
}

}  // namespace
