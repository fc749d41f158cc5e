#include "core/shell/ShellTexts.h"

#include "core/lang/TextFill.h"

namespace {
// A count of one and of several read differently in English only.
const LangText& ByCount(std::size_t count, const LangText& one, const LangText& several) {
  return count == 1 ? one : several;
}
}  // namespace

std::string InsertNeedsEmptyText(int count, int first, Language language) {
  return FillText(LangText{"Inserting %s channels needs channels %s-16 to be empty.",
                           "插入 %s 个信道需要信道 %s-16 为空。"}(language),
                  {std::to_string(count), std::to_string(first)});
}

std::string PasteRefusedHeading(std::size_t count, bool cut, Language language) {
  static constexpr LangText kNotClearedOne{"%s cell could not be cleared and kept their values:\n",
                                           "%s 个单元格无法清除，保持原值：\n"};
  static constexpr LangText kNotClearedSeveral{"%s cells could not be cleared and kept their values:\n",
                                               "%s 个单元格无法清除，保持原值：\n"};
  static constexpr LangText kNotPastedOne{"%s cell was not pasted and kept their values:\n",
                                          "%s 个单元格未粘贴，保持原值：\n"};
  static constexpr LangText kNotPastedSeveral{"%s cells were not pasted and kept their values:\n",
                                              "%s 个单元格未粘贴，保持原值：\n"};
  const LangText& text =
      cut ? ByCount(count, kNotClearedOne, kNotClearedSeveral) : ByCount(count, kNotPastedOne, kNotPastedSeveral);
  return FillText(text(language), {std::to_string(count)});
}

std::string PasteRefusalLine(int channel, const std::string& columnTitle, const std::string& reason,
                             Language language) {
  return FillText(LangText{"CH %s, %s: %s\n", "信道 %s，%s：%s\n"}(language),
                  {std::to_string(channel), columnTitle, reason});
}

std::string PasteMoreLine(std::size_t more, Language language) {
  return FillText(LangText{"... and %s more.\n", "……另有 %s 个。\n"}(language), {std::to_string(more)});
}

std::string PasteClearedLine(int channel, Language language) {
  return FillText(
      LangText{"CH %s was cleared: its Rx Frequency was emptied.\n", "信道 %s 已清除：其接收频率为空。\n"}(language),
      {std::to_string(channel)});
}

std::string PasteOutsideLine(int count, Language language) {
  static constexpr LangText kOne{"%s cell fell outside the table.\n", "%s 个单元格超出表格，未粘贴。\n"};
  static constexpr LangText kSeveral{"%s cells fell outside the table.\n", "%s 个单元格超出表格，未粘贴。\n"};
  return FillText(ByCount(static_cast<std::size_t>(count), kOne, kSeveral)(language), {std::to_string(count)});
}
