#include "core/radio/CellRefusalText.h"

#include <iterator>

#include "core/lang/TextFill.h"
#include "core/radio/RadioTexts.h"

namespace {

static_assert(std::size(kCellRefusalReasons) == static_cast<std::size_t>(CellVerdict::NoChannel) + 1,
              "a reason for every verdict");

}  // namespace

std::string ShownValue(const std::string& value) {
  constexpr std::size_t kMaxShown = 40;
  std::string shown;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    const bool startsCharacter = (c & 0xC0) != 0x80;
    if (startsCharacter && shown.size() >= kMaxShown) return shown + "...";
    shown += c < 0x20 || c == 0x7F ? '?' : value[i];
  }
  return shown;
}

std::string CellRefusalText(CellVerdict verdict, const std::string& value, int column, Language language) {
  if (verdict == CellVerdict::NotAnItem && value.empty()) return kCellNeedsValueText(language);
  std::string text = kCellRefusalReasons[static_cast<int>(verdict)](language);
  // The value last: a pasted or imported text may hold a placeholder itself.
  FillPlaceholder(text, "{column}", column > 0 ? ChannelColumnTitle(column, language) : kThisColumnText(language));
  FillPlaceholder(text, "{value}", ShownValue(value));
  return text;
}
