#include "core/radio/CellRefusalText.h"

#include "core/lang/Language.h"

namespace {

const LangText kReasons[] = {
    /* Accepted */ {"", ""},
    /* OutOfRange */ {"{value} is outside the band", "{value} 超出频段"},
    /* OffRaster */ {"{value} is off the step (6.25K/5K)", "{value} 不符合步进（6.25K/5K）"},
    /* NotAnItem */ {"'{value}' is not a value of {column}", "“{value}”不是{column}的值"},
    /* UnknownTone */ {"unknown tone '{value}'", "未知的亚音“{value}”"},
    /* NoChannel */ {"the channel is empty: give it an Rx Frequency first", "信道为空：请先给出接收频率"},
};
constexpr LangText kNeedsValue{"a channel in use needs a value here", "使用中的信道此处必须有值"};
constexpr LangText kThisColumn{"this column", "此列"};

void Replace(std::string& text, const std::string& placeholder, const std::string& value) {
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
}

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
  if (verdict == CellVerdict::NotAnItem && value.empty()) return kNeedsValue(language);
  std::string text = kReasons[static_cast<int>(verdict)](language);
  Replace(text, "{value}", ShownValue(value));
  Replace(text, "{column}", column > 0 ? ChannelColumnTitle(column, language) : kThisColumn(language));
  return text;
}
