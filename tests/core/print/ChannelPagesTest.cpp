#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/print/ChannelPages.h"

namespace {

// Channels `rx` with a receive frequency; `txOnly` with a transmit frequency
// alone, which does not put a channel in use.
ChannelTable Table(const std::vector<int>& rx, const std::vector<int>& txOnly = {}) {
  ChannelTable table;
  for (int n : rx) table[static_cast<std::size_t>(n - 1)][kColRxFrequency] = "446.00625";
  for (int n : txOnly) table[static_cast<std::size_t>(n - 1)][kColTxFrequency] = "446.00625";
  return table;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int n = from; n <= to; ++n) v.push_back(n);
  return v;
}

struct PlanCase {
  const char* name;
  std::vector<int> rx;
  std::vector<int> txOnly;
  int endOfPage1;
  int printoutPages;
  std::vector<int> page1;  // channel page 1 = printout page 2
  std::vector<int> page2;
};
void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class ChannelPlan : public ::testing::TestWithParam<PlanCase> {};

TEST_P(ChannelPlan, PagesAndPlaces) {
  const PlanCase& c = GetParam();
  const ChannelTable table = Table(c.rx, c.txOnly);
  const ChannelPagePlan plan = CountChannelPages(table);
  EXPECT_EQ(plan.pageEnd[0], 0);
  EXPECT_EQ(plan.pageEnd[1], c.endOfPage1);
  EXPECT_EQ(plan.pageEnd[2], 16);
  EXPECT_EQ(plan.channelsInUse, static_cast<int>(c.rx.size()));
  EXPECT_EQ(plan.PrintoutPages(), c.printoutPages);
  EXPECT_EQ(ChannelsOnPage(table, plan, 1), c.page1);
  EXPECT_EQ(ChannelsOnPage(table, plan, 2), c.page2);
  EXPECT_TRUE(ChannelsOnPage(table, plan, 3).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelPlan,
    ::testing::Values(
        PlanCase{"none_in_use", {}, {}, 16, 1, {}, {}},
        PlanCase{"transmit_alone_is_not_in_use", {}, {2, 9}, 16, 1, {}, {}},
        PlanCase{"one_to_eight", Range(1, 8), {}, 8, 2, Range(1, 8), {}},
        PlanCase{"ninth_alone_on_page_3", Range(1, 9), {}, 8, 3, Range(1, 8), {9}},
        PlanCase{"gaps_keep_order", {1, 5, 16}, {3}, 16, 2, {1, 5, 16}, {}},
        PlanCase{
            "eighth_in_use_ends_page", {2, 3, 5, 7, 8, 10, 11, 13, 15}, {}, 13, 3, {2, 3, 5, 7, 8, 10, 11, 13}, {15}},
        PlanCase{"all_sixteen", Range(1, 16), {}, 8, 3, Range(1, 8), Range(9, 16)}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

}  // namespace
