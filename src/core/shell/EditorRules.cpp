#include "core/shell/EditorRules.h"

#include "core/radio/ChannelColumns.h"
#include "core/radio/ImageMap.h"
#include "core/shell/ShellTexts.h"

namespace {
constexpr int kTwipsPerInch = 1440;
}  // namespace

int PixelsToTwips(int pixels, int dpi) {
  if (dpi <= 0) return 0;
  const long long twips = static_cast<long long>(pixels) * kTwipsPerInch;
  return static_cast<int>(twips >= 0 ? (twips + dpi - 1) / dpi : twips / dpi);
}

int TwipsToPixels(int twips, int dpi) { return static_cast<int>(static_cast<long long>(twips) * dpi / kTwipsPerInch); }

int ChannelColumnWidth(int column, int w) {
  if (!IsChannelColumn(column)) return w;
  return static_cast<int>(w * ColumnRow(column).width);
}

GridCell NextCellAfterEnter(GridCell current, int rows, int cols) {
  if (current.col < cols - 1) return {current.row, current.col + 1};
  if (current.row < rows - 1) return {current.row + 1, 1};
  return {1, 1};
}

GridCell CellAfterJump(GridCell current, int rows, int cols, JumpKey key) {
  switch (key) {
    case JumpKey::Home: return {current.row, 1};
    case JumpKey::End: return {current.row, cols - 1};
    case JumpKey::CtrlHome: return {1, 1};
    case JumpKey::CtrlEnd: return {rows - 1, cols - 1};
  }
  return current;
}

std::string InsertRefusedText(int count, Language language) {
  if (count <= 1) return kInsertNoRoomText(language);
  return InsertNeedsEmptyText(count, ImageMap::kChannelCount + 1 - count, language);
}
