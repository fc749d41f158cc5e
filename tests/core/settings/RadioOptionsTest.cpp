#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/CaseText.h"
#include "core/radio/ImageMap.h"
#include "core/settings/RadioOptions.h"

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
      {"timeout=60", 0x130, 4},
      {"TimeOut=600S", 0x130, 40},
      {"priority=关", 0x161, 0},
      {"priority=16", 0x161, 16},
      {"voice=english", 0x12F, 2},
      {"vox=ON", 0x139, 1},
      {"vox_delay=1.5", 0x13B, 3},
      {"battery-saver=开", 0x135, 1},
      {"side-key-1=Monitor Momentary", 0x391, 0xFA},
      {"side key 2=remote_alarm", 0x391, 0xEF},
      {"side-key-2=本地报警", 0x391, 0xDF},
      {"band=146-174mhz", 0x32F, 1},
      {"band=2", 0x32F, 1},
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

TEST_F(RadioOptions, RefusalsChangeNothing) {
  for (const char* profile : {"[Setup]\nType1=QR-160\nField1=136-174MHz\n", ""}) {
    m_profile.ParseText(profile);
    RadioImage image = m_image;
    std::string error;
    EXPECT_FALSE(ApplyRadioOptions({"squelch=3", "model=QR-450"}, m_profile, image, error));
    EXPECT_EQ(error, *profile ? "'QR-450' is no model (one of: QR-160, or 1-1)"
                              : "'QR-450' is no model (Program.ini beside the program lists none)");
    EXPECT_TRUE(image == m_image) << error;
  }
}

TEST_F(RadioOptions, ShownValuesReadBackThroughSet) {
  m_image[ImageMap::kVoiceAnnunciation] = 3;  // no entry
  m_image[ImageMap::kSideKeys] = 0x8B;
  for (Language language : {Language::English, Language::Chinese}) {
    const std::vector<RadioOptionValue> values = RadioOptionsOfImage(m_image, m_profile, language);
    ASSERT_EQ(values.size(), RadioOptionNames().size());
    Words words;
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].name, RadioOptionNames()[i]);
      if (values[i].name != "voice") words.push_back(values[i].name + "=" + values[i].value);
    }
    EXPECT_EQ(values[3].value, "(0x03)");
    EXPECT_EQ(values[4].value, language == Language::Chinese ? "扫描开关" : "Scan Switch");
    RadioImage image = m_image;
    std::string error;
    EXPECT_TRUE(ApplyRadioOptions(words, m_profile, image, error)) << error;
    EXPECT_TRUE(image == m_image);
  }
}

}  // namespace
