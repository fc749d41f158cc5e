#include "core/shell/PaneCycle.h"

int NextPane(const std::vector<bool>& available, int current, bool forward) {
  const int count = static_cast<int>(available.size());
  if (count == 0) return -1;
  int pane = current < 0 || current >= count ? (forward ? -1 : count) : current;
  for (int step = 0; step < count; ++step) {
    pane = forward ? (pane + 1) % count : (pane - 1 + count) % count;
    if (available[static_cast<std::size_t>(pane)]) return pane;
  }
  return -1;
}
