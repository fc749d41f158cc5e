#include <gtest/gtest.h>

#include "editor/EditorRules.h"
#include "editor/ProductCaption.h"
#include "profile/ProfileFile.h"

TEST(EditorRules, PixelsSurviveTheTripThroughTwips) {
  for (int dpi : {72, 96, 100, 120, 144, 157})
    for (int pixels = 0; pixels < 2000; ++pixels) ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels);
  EXPECT_EQ(PixelsToTwips(100, 96), 1500);
  EXPECT_EQ(TwipsToPixels(1440, 120), 120);
}

TEST(EditorRules, ColumnWidthsFromTheFirstColumn) {
  const int expected[] = {510, 1200, 1200, 1200, 1200, 1000, 800, 1000, 800};
  for (int column = 0; column < 9; ++column) EXPECT_EQ(ChannelColumnWidth(column, 1000), expected[column]) << column;
  EXPECT_EQ(ChannelColumnWidth(0, 999), 509);  // truncated toward zero
}

TEST(EditorRules, EnterMovesAlongTheRowsAndWraps) {
  const struct {
    GridCell from;
    GridCell to;
  } cases[] = {
      {{1, 1}, {1, 2}}, {{5, 7}, {5, 8}}, {{5, 8}, {6, 1}}, {{16, 8}, {1, 1}}, {{16, 3}, {16, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(NextCellAfterEnter(c.from, 17, 9), c.to) << c.from.row << "," << c.from.col;
}

TEST(ProductCaption, BandListElements) {
  const struct {
    const char* list;
    int index;
    const char* band;
  } cases[] = {
      {"400-470|450-520", 0, "400-470"}, {"400-470|450-520", 1, "450-520"}, {"400-470|450-520", 5, "450-520"},
      {"136-174MHz", 3, "136-174MHz"},   {"", 0, ""},                       {"a||b", 1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BandTextAt(c.list, c.index), c.band) << c.list << " " << c.index;
  EXPECT_EQ(SplitBandList("a|b|").size(), 3u);
}

TEST(ProductCaption, NamesAndCaptionFromTheProfile) {
  CProfileFile profile;
  profile.ParseText("[Setup]\nType1=QR-160\nField1=136-174MHz\nType2=QR-450\nField2=400-470MHz|450-520MHz\n");
  const ProductNames names = ProductNamesOf(profile, 1, 1);
  EXPECT_EQ(names.typeName, "QR-450");
  EXPECT_EQ(names.bandText, "450-520MHz");
  EXPECT_EQ(ProductCaption("Prog", names, false), "Prog  [ Type:QR-450  Fre:450-520MHz ]");
  EXPECT_EQ(ProductCaption("写频", names, true), "写频  [ 类型:QR-450  频率:450-520MHz ]");
  const ProductNames missing = ProductNamesOf(profile, 7, 0);
  EXPECT_EQ(ProductCaption("", missing, false), "  [ Type:  Fre: ]");
}
