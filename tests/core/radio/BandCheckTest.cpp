#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "core/files/NewDocumentImage.h"
#include "core/radio/BandCheck.h"

namespace {

// An empty text leaves the frequency not set.
void PutFrequency(std::uint8_t* bytes, const char* text) {
  const std::array<std::uint8_t, 4> encoded = EncodeFrequency(text);
  std::copy(encoded.begin(), encoded.end(), bytes);
}

TEST(BandCheck, ChannelsWithAFrequencyOutsideTheBand) {
  const BandLimits band = BandLimitsFromText("136-174MHz");  // 136.00000 to 175.00000 inclusive
  const struct {
    int channel;
    const char* rx;
    const char* tx;
    bool outside;
  } cases[] = {
      {1, "136.00000", "175.00000", false},  // both limits belong to the band
      {2, "135.99999", "140.00000", true},
      {3, "140.00000", "175.00001", true},  // the transmit frequency alone
      {4, "150.00000", "", false},          // no transmit frequency
      {5, "", "446.00000", true},           // no receive frequency, but one to send on
      {6, "", "", false},
      {16, "446.00000", "446.00000", true},
  };
  RadioImage image = BuiltInDefaults();
  std::vector<int> expected;
  for (const auto& c : cases) {
    ChannelRecord record = image.Channel(c.channel);
    PutFrequency(record.rxFrequency(), c.rx);
    PutFrequency(record.txFrequency(), c.tx);
    image.SetChannel(c.channel, record);
    if (c.outside) expected.push_back(c.channel);
  }
  EXPECT_EQ(ChannelsOutsideBand(image, band), expected);
  EXPECT_EQ(ChannelsOutsideBand(image, BandLimitsFromText("100-500MHz")), std::vector<int>{});
  // No band to judge by (the profile names none): nothing is outside it.
  EXPECT_EQ(ChannelsOutsideBand(image, BandLimitsFromText("")), std::vector<int>{});
}

TEST(BandCheck, MessagesTakeTheBandNameAsItIs) {
  EXPECT_EQ(WriteOutsideBandQuestion("400-470MHz", {2, 5, 16}, Language::Chinese),
            "以下信道超出频段 400-470MHz：\n2、5、16\n仍要写入电台吗？");
  // A band name from Program.ini may hold anything.
  EXPECT_EQ(WriteOutsideBandRefusal("1%s-2%d", {7}, Language::English),
            "channels outside the band 1%s-2%d: 7; nothing was sent (--raw sends the file as it is)");
}

}  // namespace
