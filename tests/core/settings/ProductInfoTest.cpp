#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/CaseText.h"
#include "core/radio/ImageMap.h"
#include "core/settings/ProductInfo.h"

namespace {

using Strings = std::vector<std::string>;

const char* const kProfile =
    "[Setup]\n"
    "Type1=QR-160\n"
    "Field1=136-174MHz|400-470MHz\n"
    "Type2=QR-450\n"
    "Field2=400-470MHz|450-520MHz\n"
    "Type4=QR-880\n"  // after the gap at 3: not offered
    "Field4=130 - 160MHz\n"
    "Field5=\n"
    "Field6=a||b|\n";

class ProductInfo : public ::testing::Test {
 protected:
  void SetUp() override { m_profile.ParseText(kProfile); }
  CProfileFile m_profile;
};

TEST_F(ProductInfo, ModelListStopsAtTheFirstMissingOrEmptyName) {
  EXPECT_EQ(ModelList(m_profile), (Strings{"QR-160", "QR-450"}));
  std::string many = "[Setup]\n";
  for (int n = 1; n <= 25; ++n) many += "Type" + std::to_string(n) + "=M\n";
  m_profile.ParseText(many);
  EXPECT_EQ(ModelList(m_profile).size(), 19u);
  m_profile.ParseText("[Setup]\nType1=\nType2=B\n");
  EXPECT_TRUE(ModelList(m_profile).empty());
}

TEST_F(ProductInfo, BandListSplitsAtEveryBar) {
  const struct {
    int model;
    Strings bands;
  } cases[] = {
      {0, {"136-174MHz", "400-470MHz"}},
      {3, {"130 - 160MHz"}},
      {4, {""}},  // empty text: one empty entry
      {5, {"a", "", "b", ""}},
      {-1, {""}},  // no model selected reads Field0, missing
  };
  for (const auto& c : cases) EXPECT_EQ(BandList(m_profile, c.model), c.bands) << "model " << c.model;
}

TEST_F(ProductInfo, ImageTextsTakeTheLastBandWhenTheIndexIsBeyond) {
  const struct {
    int type, band;
    const char* model;
    const char* bandText;
  } cases[] = {
      {1, 1, "QR-450", "450-520MHz"},
      {1, 5, "QR-450", "450-520MHz"},
      {3, 0, "QR-880", "130 - 160MHz"},  // named even though the list stops before it
      {2, 0, "", ""},
      {0xFF, 0xFF, "", ""},
  };
  for (const auto& c : cases) {
    RadioImage image = BuiltInDefaults();
    image[ImageMap::kProductType] = static_cast<std::uint8_t>(c.type);
    image[ImageMap::kProductBand] = static_cast<std::uint8_t>(c.band);
    const ProductTexts texts = ProductTextsOfImage(m_profile, image);
    EXPECT_EQ(texts.model, c.model) << c.type << "/" << c.band;
    EXPECT_EQ(texts.band, c.bandText) << c.type << "/" << c.band;
  }
}

TEST(ProductCaption, BothLanguages) {
  const ProductTexts texts{"QR-160", "136-174MHz"};
  EXPECT_EQ(ProductCaption("Title", texts, Language::English), "Title  [ Type:QR-160  Fre:136-174MHz ]");
  EXPECT_EQ(ProductCaption("标题", texts, Language::Chinese), "标题  [ 类型:QR-160  频率:136-174MHz ]");
}

TEST(StoreProductChoice, IndexesLimitsAndNarrowSquelchDefault) {
  const struct {
    const char* before;
    const char* after;
    std::uint8_t narrow;  // 0x30E afterwards, from 0x83
  } cases[] = {
      {"136-174MHz", "400-470MHz", 8},
      {"400-470MHz", "450-520MHz", 0x83},  // same hundred-MHz range
      {"400-470MHz", "136-174MHz", 2},
      {"400-470MHz", "300-350MHz", 8},     // 3 and 4 share a default but are two ranges
      {"136-174MHz", "220-260MHz", 0x83},  // another range without a default
      {"", "130 - 160MHz", 2},
      {"136-174MHz", "", 0x83},  // an empty band is range 0
  };
  for (const auto& c : cases) {
    RadioImage image = BuiltInDefaults();
    image[ImageMap::kNarrowSquelch] = 0x83;
    RadioImage expected = image;
    expected[ImageMap::kProductType] = 1;
    expected[ImageMap::kProductBand] = 0xFF;  // no selection
    expected[ImageMap::kNarrowSquelch] = c.narrow;
    const BandLimits after = StoreProductChoice(1, -1, c.after, BandLimitsFromText(c.before), image);
    EXPECT_EQ(after.lower, BandLimitsFromText(c.after).lower);
    EXPECT_EQ(after.upper, BandLimitsFromText(c.after).upper);
    EXPECT_EQ(HexByte(image[ImageMap::kNarrowSquelch]), HexByte(c.narrow)) << c.before << " -> " << c.after;
    EXPECT_TRUE(image == expected) << c.before << " -> " << c.after;
  }
}

}  // namespace
