#pragma once
// The printout's measures, taken afresh from the output device for every page:
// twips (1/1440 inch) with the origin at the top left corner of the printable
// area and y growing upwards, a column unit of 1/66 of the printable width and
// two fonts sized from the page.
#include <functional>

struct DeviceSize {
  int widthPx = 0;  // the printable area
  int heightPx = 0;
  int dpiX = 0;
  int dpiY = 0;
};

struct FontSize {
  int height = 0;  // character cell: ascent plus descent, twips
  int width = 0;   // average character width, twips
};

struct PrintGeometry {
  int width = 0;  // twips
  int height = 0;
  int unit = 0;    // u: width / 66
  FontSize fontA;  // titles: height / 45, u wide
  FontSize fontB;  // everything else: font A x 0.8
};

// A device that reports no resolution gives all zeros.
PrintGeometry PrintGeometryFor(const DeviceSize& device);

// The average character width a font's width request means: the advances of
// the lowercase letters and the space weighted by how often each occurs in
// English text. It rests on advances alone, so a metric-compatible face gives
// the same width as the face it stands in for.
double WeightedAverageCharWidth(const std::function<double(char)>& advance);
