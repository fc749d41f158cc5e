#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "radio/CaseText.h"
#include "profile/ProfileFile.h"
#include "radio/ImageMap.h"
#include "radio/NewDocumentImage.h"
#include "settings/RadioOptions.h"

namespace {

using Words = std::vector<std::string>;

class RadioOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    m_profile.ParseText(
        "[Setup]\nType1=QR-160\nField1=136-174MHz|146-174MHz\nType2=QR-450\nField2=400-470MHz|450-520MHz\n");
    m_image = BuiltInDefaults();
    m_image[ImageMap::kProductType] = 0;
    m_image[ImageMap::kProductBand] = 0;
  }
  CProfileFile m_profile;
  RadioImage m_image;
};

TEST_F(RadioOptions, ValuesInEitherLanguageAndLooseSpelling) {
  const struct {
    const char* assignment;
    int offset;
    std::uint8_t byte;
  } cases[] = {
      {"timeout=60s", 0x130, 4},          {"timeout=60", 0x130, 4},
      {"TimeOut=600S", 0x130, 40},        {"squelch=0", 0x134, 0},
      {"priority=off", 0x161, 0},         {"priority=关", 0x161, 0},
      {"priority=16", 0x161, 16},         {"voice=english", 0x12F, 2},
      {"voice=中文", 0x12F, 1},           {"vox=ON", 0x139, 1},
      {"vox=关", 0x139, 0},               {"vox-gain=8", 0x13A, 8},
      {"vox_delay=1.5", 0x13B, 3},        {"beep=off", 0x136, 0},
      {"battery-saver=开", 0x135, 1},     {"side-key-1=monitor", 0x391, 0xF9},
      {"side-key-1=Monitor Momentary", 0x391, 0xFA}, {"side key 2=remote_alarm", 0x391, 0xEF},
      {"side-key-2=本地报警", 0x391, 0xDF},
      {"band=146-174mhz", 0x32F, 1},      {"band=2", 0x32F, 1},
  };
  for (const auto& c : cases) {
    RadioImage image = m_image;
    std::string error;
    ASSERT_TRUE(ApplyRadioOptions({c.assignment}, m_profile, image, error)) << c.assignment << ": " << error;
    RadioImage expected = m_image;
    expected[static_cast<std::size_t>(c.offset)] = c.byte;
    EXPECT_TRUE(image == expected) << c.assignment << ": " << HexByte(image[static_cast<std::size_t>(c.offset)]);
  }
}

TEST_F(RadioOptions, ModelAndBandTogetherAndTheNarrowSquelchDefault) {
  const struct {
    Words words;
    std::uint8_t type, band, narrow;
  } cases[] = {
      {{"model=qr-450"}, 1, 0, 8},                     // first band, 136 -> 400
      {{"model=2", "band=450-520MHz"}, 1, 1, 8},
      {{"band=2", "model=QR-450"}, 1, 1, 8},           // the band of the model given, in any order
      {{"model=1", "band=146-174MHz"}, 0, 1, 0x83},    // same hundred-MHz range
  };
  for (const auto& c : cases) {
    RadioImage image = m_image;
    image[ImageMap::kNarrowSquelch] = 0x83;
    std::string error;
    ASSERT_TRUE(ApplyRadioOptions(c.words, m_profile, image, error)) << error;
    EXPECT_EQ(image.productType(), c.type);
    EXPECT_EQ(image.productBand(), c.band);
    EXPECT_EQ(HexByte(image[ImageMap::kNarrowSquelch]), HexByte(c.narrow));
  }
}

TEST_F(RadioOptions, RefusalsChangeNothing) {
  const struct {
    Words words;
    const char* error;
  } cases[] = {
      {{"squelch=3", "timeout=61s"}, "'61s' is no value of timeout (one of: 15s, 30s, ..., 600s)"},
      {{"squelch=3", "colour=red"},
       "'colour' is no option (one of: timeout, squelch, priority, voice, side-key-1, side-key-2, vox, "
       "vox-gain, vox-delay, beep, battery-saver, model, band)"},
      {{"squelch"}, "'squelch' is no NAME=VALUE"},
      {{"squelch=3", "Squelch=4"}, "squelch is given twice"},
      {{"side-key-1=panic"},
       "'panic' is no value of side-key-1 (one of: off, monitor, monitor-momentary, scan-switch, "
       "vox-switch, local-alarm, remote-alarm)"},
      {{"vox="}, "'' is no value of vox (one of: on, off)"},
      {{"squelch=3", "model=QR-9"}, "'QR-9' is no model (one of: QR-160, QR-450, or 1-2)"},
      {{"model=3"}, "'3' is no model (one of: QR-160, QR-450, or 1-2)"},
      {{"model=0"}, "'0' is no model (one of: QR-160, QR-450, or 1-2)"},
      {{"band=400-470MHz"}, "'400-470MHz' is no band of model QR-160 (one of: 136-174MHz, 146-174MHz, or 1-2)"},
  };
  for (const auto& c : cases) {
    RadioImage image = m_image;
    std::string error;
    EXPECT_FALSE(ApplyRadioOptions(c.words, m_profile, image, error)) << c.error;
    EXPECT_EQ(error, c.error);
    EXPECT_TRUE(image == m_image) << c.error;
  }
  RadioImage image = m_image;
  std::string error;
  EXPECT_FALSE(ApplyRadioOptions({"model=1"}, CProfileFile(), image, error));
  EXPECT_EQ(error, "'1' is no model (Program.ini beside the program lists none)");
}

TEST_F(RadioOptions, ShownValuesReadBackThroughSet) {
  m_image[ImageMap::kVoiceAnnunciation] = 3;  // no entry
  m_image[ImageMap::kSideKeys] = 0x8B;
  for (bool chinese : {false, true}) {
    const std::vector<RadioOptionValue> values = RadioOptionsOfImage(m_image, m_profile, chinese);
    ASSERT_EQ(values.size(), RadioOptionNames().size());
    Words words;
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].name, RadioOptionNames()[i]);
      if (values[i].name != "voice") words.push_back(values[i].name + "=" + values[i].value);
    }
    EXPECT_EQ(values[3].value, "(0x03)");
    EXPECT_EQ(values[4].value, chinese ? "扫描开关" : "Scan Switch");
    RadioImage image = m_image;
    std::string error;
    EXPECT_TRUE(ApplyRadioOptions(words, m_profile, image, error)) << error;
    EXPECT_TRUE(image == m_image);
  }
}

}  // namespace
