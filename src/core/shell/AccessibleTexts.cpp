#include "core/shell/AccessibleTexts.h"

#include <cctype>

#include "core/lang/TextFill.h"

const LangText kA11yNavigationTree{"Navigation", "导航"};
const LangText kA11yChannelTable{"Channels", "信道表"};
const LangText kA11yPowerTable{"Transmit power table", "发射功率表"};
const LangText kA11ySqlTable{"SQL thresholds", "静噪门限表"};
const LangText kA11yRxTable{"Rx parameters", "接收参数表"};
const LangText kA11yProgressBar{"Progress", "进度"};
const LangText kA11yPercentage{"Percentage", "百分比"};
const LangText kA11yHelpText{"Help", "帮助"};

namespace {
// A cell's name and what follows it: its row, or its value.
constexpr LangText kCellEditorNameText{"%s, %s", "%s，%s"};
// Whether a capitalised row name goes on in lower case after the column.
constexpr PerLanguage<bool> kLowersRowName{true, false};
bool LowersRowName(Language language) { return kLowersRowName.Form(language); }
}  // namespace

std::string ChannelRowName(int channel, Language language) {
  return std::string(LangText{"Channel ", "信道 "}(language)) + std::to_string(channel);
}

std::string BandPointRowName(int megahertz) { return std::to_string(megahertz) + " MHz"; }

std::string CellEditorName(const std::string& column, const std::string& row, Language language) {
  if (column.empty() || row.empty()) return column + row;
  if (!LowersRowName(language)) return FillText(kCellEditorNameText(language), {column, row});
  std::string tail = row;
  // A capitalised word goes on in lower case ("channel 3"); a number or a
  // word in capitals ("SQL") stays as it is.
  if (tail.size() > 1 && std::isupper(static_cast<unsigned char>(tail[0])) &&
      std::islower(static_cast<unsigned char>(tail[1])))
    tail[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(tail[0])));
  return FillText(kCellEditorNameText(language), {column, tail});
}

std::string PercentageName(const std::string& percent, Language language) {
  return std::string(LangText{"Percentage ", "百分比 "}(language)) + percent;
}

std::string CellValueSentence(const std::string& cellName, const std::string& value, Language language) {
  const std::string shown = value.empty() ? LangText{"empty", "空"}(language) : value;
  return FillText(kCellEditorNameText(language), {cellName, shown});
}

bool ReachesProgressStep(int before, int after, int step) { return after / step > before / step; }
