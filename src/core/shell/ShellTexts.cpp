#include "core/shell/ShellTexts.h"

std::string InsertNeedsEmptyText(int count, int first, Language language) {
  const std::string n = std::to_string(count);
  const std::string from = std::to_string(first);
  return language == Language::Chinese ? "插入 " + n + " 个信道需要信道 " + from + "-16 为空。"
                                       : "Inserting " + n + " channels needs channels " + from + "-16 to be empty.";
}

std::string PasteRefusedHeading(std::size_t count, bool cut, Language language) {
  const std::string n = std::to_string(count);
  if (cut)
    return language == Language::Chinese
               ? n + " 个单元格无法清除，保持原值：\n"
               : n + (count == 1 ? " cell could not be cleared" : " cells could not be cleared") +
                     " and kept their values:\n";
  return language == Language::Chinese
             ? n + " 个单元格未粘贴，保持原值：\n"
             : n + (count == 1 ? " cell was not pasted" : " cells were not pasted") + " and kept their values:\n";
}

std::string PasteRefusalLine(int channel, const std::string& columnTitle, const std::string& reason,
                             Language language) {
  const std::string n = std::to_string(channel);
  return (language == Language::Chinese ? "信道 " + n + "，" + columnTitle + "："
                                        : "CH " + n + ", " + columnTitle + ": ") +
         reason + "\n";
}

std::string PasteMoreLine(std::size_t more, Language language) {
  const std::string n = std::to_string(more);
  return language == Language::Chinese ? "……另有 " + n + " 个。\n" : "... and " + n + " more.\n";
}

std::string PasteClearedLine(int channel, Language language) {
  const std::string n = std::to_string(channel);
  return language == Language::Chinese ? "信道 " + n + " 已清除：其接收频率为空。\n"
                                       : "CH " + n + " was cleared: its Rx Frequency was emptied.\n";
}

std::string PasteOutsideLine(int count, Language language) {
  const std::string n = std::to_string(count);
  return language == Language::Chinese ? n + " 个单元格超出表格，未粘贴。\n"
                                       : n + (count == 1 ? " cell fell" : " cells fell") + " outside the table.\n";
}
