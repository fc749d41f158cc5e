#include "core/shell/EditorRules.h"

#include "core/radio/ImageMap.h"

namespace {
constexpr int kTwipsPerInch = 1440;
// Column 0 holds the channel number; the frequencies and tones need more room.
constexpr double kWidthFactors[] = {0.51, 1.2, 1.2, 1.2, 1.2, 1.0, 0.8, 1.0, 0.8};
}  // namespace

int PixelsToTwips(int pixels, int dpi) {
  if (dpi <= 0) return 0;
  const long long twips = static_cast<long long>(pixels) * kTwipsPerInch;
  return static_cast<int>(twips >= 0 ? (twips + dpi - 1) / dpi : twips / dpi);
}

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch);
}

int ChannelColumnWidth(int column, int w) {
  if (column < 0 || column >= static_cast<int>(sizeof kWidthFactors / sizeof kWidthFactors[0])) return w;
  return static_cast<int>(w * kWidthFactors[column]);
}

GridCell NextCellAfterEnter(GridCell current, int rows, int cols) {
  if (current.col < cols - 1) return {current.row, current.col + 1};
  if (current.row < rows - 1) return {current.row + 1, 1};
  return {1, 1};
}

std::string InsertRefusedText(int count, Language language) {
  if (count <= 1)
    return language == Language::Chinese
               ? "信道 16 已使用，没有位置插入信道。请先删除或清除一个信道。"
               : "Channel 16 is in use: there is no room to insert a channel. Delete or clear a channel first.";
  const std::string n = std::to_string(count);
  const std::string first = std::to_string(ImageMap::kChannelCount + 1 - count);
  return language == Language::Chinese ? "插入 " + n + " 个信道需要信道 " + first + "-16 为空。"
                                       : "Inserting " + n + " channels needs channels " + first + "-16 to be empty.";
}
