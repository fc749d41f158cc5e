#include "core/print/PrintGeometry.h"

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kColumnsPerWidth = 66;
constexpr int kLinesPerHeight = 45;
constexpr double kFontBScale = 0.8;

FontSize Scaled(FontSize a) {
  return {static_cast<int>(a.height * kFontBScale), static_cast<int>(a.width * kFontBScale)};
}

// Occurrences per thousand characters of English text.
struct LetterWeight {
  char letter;
  int weight;
};
constexpr LetterWeight kWeights[] = {
    {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
    {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
    {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
};

}  // namespace

PrintGeometry PrintGeometryFor(const DeviceSize& device) {
  PrintGeometry g;
  if (device.dpiX <= 0 || device.dpiY <= 0) return g;
  g.width = static_cast<int>(static_cast<long long>(device.widthPx) * kTwipsPerInch / device.dpiX);
  g.height = static_cast<int>(static_cast<long long>(device.heightPx) * kTwipsPerInch / device.dpiY);
  g.unit = g.width / kColumnsPerWidth;
  g.fontA = {g.height / kLinesPerHeight, g.unit};
  g.fontB = Scaled(g.fontA);
  return g;
}

double WeightedAverageCharWidth(const std::function<double(char)>& advance) {
  double sum = 0;
  int weights = 0;
  for (const LetterWeight& w : kWeights) {
    sum += advance(w.letter) * w.weight;
    weights += w.weight;
  }
  return sum / weights;
}
