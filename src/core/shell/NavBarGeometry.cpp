#include "core/shell/NavBarGeometry.h"

NavRect NavOutline(int clientWidth, int clientHeight) { return {3, 6, clientWidth - 6, clientHeight - 49}; }

NavRect NavInnerFrame(const NavRect& outline) {
  return {outline.left + 1, outline.top + 1, outline.right, outline.bottom};
}

NavRect NavCloseButton(const NavRect& innerFrame) {
  return {innerFrame.right - 20, innerFrame.top + 4, innerFrame.right - 4, innerFrame.top + 19};
}

NavRect NavWidthStrip(const NavRect& innerFrame) {
  return {innerFrame.right, innerFrame.top, innerFrame.right + kNavStripWidth, innerFrame.bottom};
}

namespace {
int RaiseThenLower(int x, int lowest, int highest) {
  if (x < lowest) x = lowest;
  if (x > highest) x = highest;
  return x;
}
}  // namespace

int NavTrackerX(int pointerX, int frameClientWidth) {
  return RaiseThenLower(pointerX, kNavTrackerMinimum, frameClientWidth / 2);
}

int NavReleaseWidth(int pointerX, int frameClientWidth) {
  return RaiseThenLower(pointerX, kNavWidthMinimum, frameClientWidth / 2);
}

NavRect NavTreeRect(int width, int frameClientHeight, int barHeight) {
  const int top = kNavCaptionHeight + 9;
  NavRect tree{5, top, 5 + (width - 13), top + (frameClientHeight - kNavCaptionHeight - 60)};
  const NavRect inner = NavInnerFrame(NavOutline(width, barHeight));
  if (tree.bottom > inner.bottom - 2) tree.bottom = inner.bottom - 2;
  if (tree.bottom < tree.top) tree.bottom = tree.top;
  return tree;
}
