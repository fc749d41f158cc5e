#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/NewDocumentImage.h"
#include "core/print/PrintGeometry.h"
#include "core/print/PrintoutPage.h"

namespace {

constexpr PrintUnits kUnits{100, 300, 240};  // u, LA, LB
constexpr int kFooterY = -36 * 300;

struct Item {
  PrintFont font;
  int x;
  int y;
  std::string text;
};

void ExpectItems(const PrintoutPage& page, const std::vector<Item>& expected) {
  for (const Item& e : expected) {
    bool found = false;
    for (const PrintText& t : page.texts)
      found = found || (t.font == e.font && t.x == e.x && t.y == e.y && t.text == e.text);
    EXPECT_TRUE(found) << "missing \"" << e.text << "\" at (" << e.x << ", " << e.y << ")";
  }
}

PrintoutSource Source(Language language, const std::vector<int>& inUse) {
  PrintoutSource s;
  s.image = BuiltInDefaults();
  s.table = TableFromImage(s.image, language);
  for (int n : inUse) {
    s.table[static_cast<std::size_t>(n - 1)] = {
        "",    "446.0" + std::to_string(n), "447.0" + std::to_string(n), "88.5", "D023N", "Wide", "Yes", "Carrier",
        "High"};
  }
  s.owner = "Owner Ltd";
  s.language = language;
  return s;
}

TEST(PrintoutPage, RulesAndFooterOnEveryPage) {
  const PrintoutSource source = Source(Language::English, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  for (int p = 1; p <= 3; ++p) {
    const PrintoutPage page = LayOutPrintoutPage(source, p, kUnits);
    ASSERT_EQ(page.rules.size(), 3u);
    const int ys[] = {-2 * (300 + 25), -2 * (300 + 60), 150 - 36 * 300};
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(page.rules[i].x1, 500);
      EXPECT_EQ(page.rules[i].x2, 6000);
      EXPECT_EQ(page.rules[i].y, ys[i]);
    }
    ExpectItems(page, {{PrintFont::B, 1000, kFooterY, "Owner Ltd"},
                       {PrintFont::B, 4500, kFooterY, "Page " + std::to_string(p) + " of 3"}});
  }
}

TEST(PrintoutPage, OptionsPageAloneWithoutChannels) {
  PrintoutSource source = Source(Language::English, {});
  source.image[0x130] = 255;
  const PrintoutPage page = LayOutPrintoutPage(source, 1, kUnits);
  // Title, heading, seven rows of two, owner and page number.
  EXPECT_EQ(page.texts.size(), 18u);
  ExpectItems(page, {{PrintFont::A, 600, -300, "Option"},
                     {PrintFont::B, 600, -4 * 240, "Function"},
                     {PrintFont::B, 900, -5 * 240, "Time Out Time:"},
                     {PrintFont::B, 3500, -5 * 240, "3825s"},
                     {PrintFont::B, 900, -11 * 240, "Beep:"},
                     {PrintFont::B, 3500, -11 * 240, "On"},
                     {PrintFont::B, 4500, kFooterY, "Page 1 of 1"}});
}

TEST(PrintoutPage, ChannelPagePlacesEachChannelInFiveLines) {
  const PrintoutPage page = LayOutPrintoutPage(Source(Language::English, {1, 5, 16}), 2, kUnits);
  // Title, then per channel its heading and three lines of four, then the
  // footer: busy lock and power are not printed.
  EXPECT_EQ(page.texts.size(), 1u + 3u * 13u + 2u);
  const int y = -10 * 240;  // channel 5 is the second: its first line is the 10th
  ExpectItems(page, {{PrintFont::A, 600, -300, "Channel"},
                     {PrintFont::B, 400, -4 * 240, "Channel 1:"},
                     {PrintFont::B, 400, y + 240, "Channel 5:"},
                     {PrintFont::B, 500, y, "Receive Frequency:"},
                     {PrintFont::B, 2200, y, "446.05"},
                     {PrintFont::B, 3600, y, "Transceive Frequency:"},
                     {PrintFont::B, 5500, y, "447.05"},
                     {PrintFont::B, 2200, y - 240, "88.5"},
                     {PrintFont::B, 5500, y - 240, "D023N"},
                     {PrintFont::B, 2200, y - 480, "Wide"},
                     {PrintFont::B, 5500, y - 480, "Yes"},
                     {PrintFont::B, 400, -14 * 240, "Channel 16:"}});
  ExpectItems(LayOutPrintoutPage(Source(Language::Chinese, {5}), 2, kUnits),
              {{PrintFont::A, 600, -300, "信道"}, {PrintFont::B, 400, -4 * 240, "信道5:"}});
}

TEST(PrintoutPage, ChannelsClearedSincePrintingBeforeAllMoveUp) {
  PrintoutSource source = Source(Language::English, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  ExpectItems(LayOutPrintoutPage(source, 3, kUnits), {{PrintFont::B, 400, -4 * 240, "Channel 9:"}});
  for (int n : {1, 2, 4, 6, 7, 8, 11}) source.table[static_cast<std::size_t>(n - 1)][kColRxFrequency].clear();
  const PrintoutPage page = LayOutPrintoutPage(source, 2, kUnits);
  int s = 0;
  for (int n : {3, 5, 9, 10, 12})
    ExpectItems(page, {{PrintFont::B, 400, -(5 * s++ + 4) * 240, "Channel " + std::to_string(n) + ":"}});
  ExpectItems(page, {{PrintFont::B, 4500, kFooterY, "Page 2 of 2"}});
}

TEST(PrintGeometry, FromDeviceSize) {
  // A4's printable area at 600 dpi.
  const PrintGeometry g = PrintGeometryFor({4960, 7016, 600, 600});
  EXPECT_EQ(g.width, 11904);
  EXPECT_EQ(g.height, 16838);
  EXPECT_EQ(g.unit, 180);
  EXPECT_EQ(g.fontA.height, 374);
  EXPECT_EQ(g.fontA.width, 180);
  EXPECT_EQ(g.fontB.height, 299);
  EXPECT_EQ(g.fontB.width, 144);
  EXPECT_EQ(PrintGeometryFor({4960, 7016, 0, 600}).unit, 0);
}

TEST(PrintGeometry, AverageWidthWeighsLettersAndSpace) {
  EXPECT_DOUBLE_EQ(WeightedAverageCharWidth([](char) { return 7.0; }), 7.0);
  EXPECT_DOUBLE_EQ(WeightedAverageCharWidth([](char c) { return c == ' ' ? 1000.0 : 0.0; }), 166.0);
}

}  // namespace
