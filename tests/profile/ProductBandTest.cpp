#include <string>

#include <gtest/gtest.h>

#include "profile/ProductBand.h"
#include "profile/ProfileFile.h"

namespace {

TEST(ProductBand, ElementOfTheTypesBandList) {
  CProfileFile profile;
  profile.ParseText("[Setup]\nField1=136-174MHz|146-174MHz\nField2=400-470MHz|450-520MHz\nField3=220-260MHz\n");
  const struct {
    int type, band;
    const char* text;
  } cases[] = {
      {0, 0, "136-174MHz"}, {0, 1, "146-174MHz"}, {1, 5, "450-520MHz"},  // beyond the list: the last
      {2, 0, "220-260MHz"}, {2, 3, "220-260MHz"}, {3, 0, ""},            // no list for type 4
      {255, 255, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ProductBandText(profile, c.type, c.band), c.text) << c.type << "/" << c.band;
}

}  // namespace
