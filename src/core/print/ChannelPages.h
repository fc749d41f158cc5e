#pragma once
// Which channels the printout's channel pages hold: the channels in use (a
// receive frequency in the table), eight to a page, in channel order,
// recomputed from the table each time so that it never outlives an edit.
#include <array>
#include <vector>

#include "core/radio/ChannelTable.h"

constexpr int kChannelsPerPage = 8;

struct ChannelPagePlan {
  // Entry k (1, 2): the last channel of channel page k, 16 while that page is
  // not full; entry 0 is 0, so channel page k spans entry k-1 + 1 .. entry k.
  std::array<int, 3> pageEnd{0, ImageMap::kChannelCount, ImageMap::kChannelCount};
  int channelsInUse = 0;
  int channelPages = 0;  // (channelsInUse + 7) / 8: 0, 1 or 2

  // Page 1 holds the options, pages 2 on the channels.
  int PrintoutPages() const { return channelPages + 1; }
};

bool ChannelInUse(const ChannelRow& row);
ChannelPagePlan CountChannelPages(const ChannelTable& table);

// The channels in use on channel page k (printout page k + 1), in the order
// they are printed; empty for a page past the plan.
std::vector<int> ChannelsOnPage(const ChannelTable& table, const ChannelPagePlan& plan, int channelPage);
