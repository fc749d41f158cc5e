// What a screen reader hears for an editor over a cell, and where F6 goes.
#include <gtest/gtest.h>

#include "core/shell/AccessibleTexts.h"
#include "core/shell/PaneCycle.h"

TEST(AccessibleTexts, CellEditorName) {
  const struct {
    const char* column;
    std::string row;
    Language language;
    const char* name;
  } cases[] = {
      {"Rx Frequency", ChannelRowName(3, Language::English), Language::English, "Rx Frequency, channel 3"},
      {"接收频率", ChannelRowName(3, Language::Chinese), Language::Chinese, "接收频率，信道 3"},
      {"Low Power", BandPointRowName(400), Language::English, "Low Power, 400 MHz"},
      {"Wide", "SQL", Language::English, "Wide, SQL"},  // a word in capitals stays so
      {"Wide", "", Language::English, "Wide"},
      {"", "Param 1", Language::English, "Param 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(CellEditorName(c.column, c.row, c.language), c.name) << c.name;
}

TEST(AccessibleTexts, CellValueSentence) {
  EXPECT_EQ(CellValueSentence("Rx Frequency, channel 3", "146.52000", Language::English),
            "Rx Frequency, channel 3, 146.52000");
  EXPECT_EQ(CellValueSentence("接收频率，信道 3", "", Language::Chinese), "接收频率，信道 3，空");
}

TEST(AccessibleTexts, ProgressIsSaidOncePerQuarter) {
  const struct {
    int before;
    int after;
    bool said;
  } cases[] = {{0, 24, false}, {24, 25, true}, {0, 100, true}, {26, 49, false}, {75, 100, true}, {100, 0, false}};
  for (const auto& c : cases)
    EXPECT_EQ(ReachesProgressStep(c.before, c.after, kSpokenProgressStep), c.said) << c.before << "->" << c.after;
}

TEST(PaneCycle, NextPane) {
  const struct {
    std::vector<bool> available;
    int current;
    bool forward;
    int next;
  } cases[] = {
      {{true, true}, 0, true, 1},        {{true, true}, 1, true, 0},  // comes round
      {{true, true}, 0, false, 1},       {{true, false, true}, 0, true, 2},
      {{false, true}, 1, true, 1},  // the only pane stays
      {{true, true, true}, -1, true, 0}, {{true, true, true}, -1, false, 2},
      {{false, false}, 0, true, -1},     {{}, -1, true, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(NextPane(c.available, c.current, c.forward), c.next);
}
