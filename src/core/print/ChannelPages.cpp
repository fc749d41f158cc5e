#include "core/print/ChannelPages.h"

bool ChannelInUse(const ChannelRow& row) { return !row[kColRxFrequency].empty(); }

ChannelPagePlan CountChannelPages(const ChannelTable& table) {
  ChannelPagePlan plan;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) {
    if (!ChannelInUse(table[static_cast<std::size_t>(n - 1)])) continue;
    ++plan.channelsInUse;
    const int fullPages = plan.channelsInUse / kChannelsPerPage;
    if (plan.channelsInUse % kChannelsPerPage == 0 && fullPages < static_cast<int>(plan.pageEnd.size()))
      plan.pageEnd[static_cast<std::size_t>(fullPages)] = n;
  }
  plan.channelPages = (plan.channelsInUse + kChannelsPerPage - 1) / kChannelsPerPage;
  return plan;
}

std::vector<int> ChannelsOnPage(const ChannelTable& table, const ChannelPagePlan& plan, int channelPage) {
  std::vector<int> channels;
  if (channelPage < 1 || channelPage > plan.channelPages) return channels;
  const auto k = static_cast<std::size_t>(channelPage);
  for (int n = plan.pageEnd[k - 1] + 1; n <= plan.pageEnd[k]; ++n)
    if (ChannelInUse(table[static_cast<std::size_t>(n - 1)])) channels.push_back(n);
  return channels;
}
