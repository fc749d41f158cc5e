#pragma once
// F6 and Shift+F6 move the focus from pane to pane of the main window (the
// navigation tree, then each channel window), as desktop programs do.
#include <vector>

// The pane after `current` (before it when not `forward`) among those
// `available`, coming round at the end; from no pane (-1) the first (or the
// last). -1 when none is available. The current pane is chosen again only
// when it is the one available.
int NextPane(const std::vector<bool>& available, int current, bool forward);
