#include "core/shell/ChannelBlock.h"

#include <algorithm>
#include <array>

#include "core/csv/CsvImportReport.h"
#include "core/radio/CellRefusalText.h"
#include "core/shell/ShellTexts.h"

namespace {

// Blanks, and the CR of a CRLF line end.
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "a""b" -> a"b: the quotes a spreadsheet puts round a cell.
std::string Unquoted(const std::string& cell) {
  if (cell.size() < 2 || cell.front() != '"' || cell.back() != '"') return cell;
  std::string text;
  for (std::size_t i = 1; i + 1 < cell.size(); ++i) {
    text += cell[i];
    if (cell[i] == '"' && cell[i + 1] == '"') ++i;
  }
  return text;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

ChannelRow& RowOf(ChannelTable& table, int channel) { return table[static_cast<std::size_t>(channel - 1)]; }

// A value for a row without a channel: its own fault, found in a channel
// made for the purpose, before the missing channel.
CellVerdict ChannelLessVerdict(int column, const std::string& text, const BandLimits& band, Language language) {
  ChannelRow probe{};
  FillNewChannelDefaults(probe, FrequencyText(band.lower), language);
  const CellVerdict own = CommitOutsideValue(probe, column, text, band, language);
  return own == CellVerdict::Accepted ? CellVerdict::NoChannel : own;
}

}  // namespace

std::string BlockText(const ChannelTable& table, const CellRange& range) {
  std::string text;
  for (int channel = range.top; channel <= range.bottom; ++channel) {
    if (channel != range.top) text += '\n';
    for (int column = range.left; column <= range.right; ++column) {
      if (column != range.left) text += '\t';
      text += table[static_cast<std::size_t>(channel - 1)][static_cast<std::size_t>(column)];
    }
  }
  return text;
}

CellBlock ParseBlockText(const std::string& text) {
  std::vector<std::string> lines = Split(text, '\n');
  if (lines.size() > 1 && Trimmed(lines.back()).empty()) lines.pop_back();
  CellBlock block;
  for (const std::string& line : lines) {
    std::vector<std::string> cells;
    for (const std::string& cell : Split(line, '\t')) cells.push_back(Unquoted(Trimmed(cell)));
    block.push_back(std::move(cells));
  }
  return block;
}

bool IsBlockText(const std::string& text) {
  const CellBlock block = ParseBlockText(text);
  return block.size() > 1 || block.front().size() > 1;
}

PasteResult PasteBlock(ChannelTable& table, const CellRange& target, const CellBlock& block, const BandLimits& band,
                       Language language) {
  PasteResult result;
  if (block.empty()) return result;
  std::size_t width = 0;
  for (const auto& cells : block) width = std::max(width, cells.size());
  const int blockRows = static_cast<int>(block.size());
  const int blockCols = static_cast<int>(width);
  const bool tiled = target.Rows() % blockRows == 0 && target.Cols() % blockCols == 0;
  const int rows = tiled ? target.Rows() : blockRows;
  const int cols = tiled ? target.Cols() : blockCols;
  for (int r = 0; r < rows; ++r) {
    const std::vector<std::string>& cells = block[static_cast<std::size_t>(r % blockRows)];
    const int channel = target.top + r;
    const bool inTable = channel <= ImageMap::kChannelCount;
    const ChannelRow before = inTable ? RowOf(table, channel) : ChannelRow{};
    std::array<bool, kChannelColumns> written{};
    for (int c = 0; c < cols; ++c) {
      const std::size_t index = static_cast<std::size_t>(c % blockCols);
      // A short line of a ragged block leaves its cells alone.
      if (index >= cells.size()) continue;
      const int column = target.left + c;
      if (!inTable || column >= kChannelColumns) {
        ++result.outside;
        continue;
      }
      written[static_cast<std::size_t>(column)] = true;
      const std::string& text = cells[index];
      CellVerdict verdict = CommitOutsideValue(RowOf(table, channel), column, text, band, language);
      if (verdict == CellVerdict::NoChannel) verdict = ChannelLessVerdict(column, text, band, language);
      if (verdict != CellVerdict::Accepted) result.refused.push_back({channel, column, verdict, text});
    }
    if (!inTable || !RowHasData(before) || RowHasData(RowOf(table, channel))) continue;
    for (int column = kColRxFrequency; column < kChannelColumns; ++column)
      if (!written[static_cast<std::size_t>(column)] && !before[static_cast<std::size_t>(column)].empty()) {
        result.cleared.push_back(channel);
        break;
      }
  }
  return result;
}

PasteResult ClearBlock(ChannelTable& table, const CellRange& range, const BandLimits& band, Language language) {
  const CellBlock empty(static_cast<std::size_t>(range.Rows()),
                        std::vector<std::string>(static_cast<std::size_t>(range.Cols())));
  return PasteBlock(table, range, empty, band, language);
}

std::string PasteReport(const PasteResult& result, bool cut, Language language) {
  std::string report;
  const std::size_t count = result.refused.size();
  if (count > 0) report = PasteRefusedHeading(count, cut, language);
  for (std::size_t i = 0; i < count && i < kReportedRefusals; ++i) {
    const PasteRefusal& refusal = result.refused[i];
    report += PasteRefusalLine(refusal.channel, ChannelColumnTitle(refusal.column, language),
                               CellRefusalText(refusal.verdict, refusal.text, 0, language), language);
  }
  if (count > kReportedRefusals) report += PasteMoreLine(count - kReportedRefusals, language);
  for (int channel : result.cleared) report += PasteClearedLine(channel, language);
  if (result.outside > 0) report += PasteOutsideLine(result.outside, language);
  return report;
}
