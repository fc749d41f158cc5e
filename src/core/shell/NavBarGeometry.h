#pragma once
// The navigation bar's layout and the limits of its width drag, in pixels of
// the bar's own coordinates.

struct NavRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool IsEmpty() const { return right <= left || bottom <= top; }
  // Right and bottom edges are outside, as for every window rectangle.
  bool Contains(int x, int y) const { return !IsEmpty() && x >= left && x < right && y >= top && y < bottom; }
};

constexpr int kNavCaptionHeight = 22;
constexpr int kNavInitialWidth = 220;
constexpr int kNavTrackerMinimum = 80;
constexpr int kNavWidthMinimum = 11;
constexpr int kNavStripWidth = 6;

// The outlined frame: the client rectangle less 3 left, 6 top, 6 right and 49
// bottom.
NavRect NavOutline(int clientWidth, int clientHeight);
// The inner frame the caption and the close button are placed in.
NavRect NavInnerFrame(const NavRect& outline);
NavRect NavCloseButton(const NavRect& innerFrame);
// The strip right of the inner frame, over its full height, that drags the width.
NavRect NavWidthStrip(const NavRect& innerFrame);

// Where the tracker may stand while dragging: at least 80, at most half the
// main window's client width (the upper limit wins when the window is tiny).
int NavTrackerX(int pointerX, int frameClientWidth);
// The width taken when the button is released: at least 11, at most half.
int NavReleaseWidth(int pointerX, int frameClientWidth);

// The tree's place for a bar `width` wide and `barHeight` high in a main
// window whose client area is `frameClientHeight` high. The tree never
// reaches below the painted frame (the tool bar and status bar take their
// height from the bar, not from the frame's client area).
NavRect NavTreeRect(int width, int frameClientHeight, int barHeight);
