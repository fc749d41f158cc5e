#include <gtest/gtest.h>

#include "core/shell/EditorRules.h"

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

TEST(EditorRules, HomeAndEndJumpAsInASpreadsheet) {
  const struct {
    JumpKey key;
    GridCell to;
  } cases[] = {
      {JumpKey::Home, {5, 1}}, {JumpKey::End, {5, 8}}, {JumpKey::CtrlHome, {1, 1}}, {JumpKey::CtrlEnd, {16, 8}},
  };
  for (const auto& c : cases) EXPECT_EQ(CellAfterJump({5, 4}, 17, 9, c.key), c.to) << c.to.row << "," << c.to.col;
}
