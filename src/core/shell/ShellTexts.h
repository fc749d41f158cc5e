#pragma once
// The shell's texts built in code, in English and Chinese: the navigation
// items, the notes and messages of the shell's rules, and the lines of the
// paste report. Resource texts live in ResourceTable, accessible names in
// AccessibleTexts.
#include <cstddef>
#include <string>

#include "core/lang/Language.h"

inline constexpr LangText kNavProductInformationText{"Product Information", "类型设置"};
inline constexpr LangText kNavChannelInformationText{"Channel Information", "信道信息"};
inline constexpr LangText kNavOptionalFeaturesText{"Optional Features", "可选功能"};
inline constexpr LangText kNavPowerAdjustmentText{"Power Adjustment", "功率调整"};
inline constexpr LangText kNavParameterAdjustmentText{"Parameter Adjustment", "参数调整"};

inline constexpr LangText kTransferBusyText{"A transfer is running; wait until it ends.",
                                            "正在与电台通信，请等待通信结束。"};
inline constexpr LangText kLoadLanguageFailText{"Load language DLL fail", "加载语言链接库失败"};
// Its second line: the language module looked for, then why it was not taken.
inline constexpr LangText kModuleLookedForText{"Looked for \"%s\": %s", "查找的语言模块“%s”：%s"};
inline constexpr LangText kProfileMissingText{"%s did not exist, so no language is named",
                                              "%s 不存在，因此没有指定语言"};
inline constexpr LangText kProfileUnreadableText{"%s could not be read (%s), so no language is named",
                                                 "无法读取 %s（%s），因此没有指定语言"};
inline constexpr LangText kNoLanguageNamedText{"%s names no language in [Setup] Language",
                                               "%s 的 [Setup] Language 没有指定语言"};
inline constexpr LangText kLanguageNameWithFolderText{"a language name holds no \"/\"", "语言名称不能包含“/”"};
inline constexpr LangText kNotLanguageModuleText{"not a language module", "不是语言模块"};

// Inserting one channel while channel 16 is in use.
inline constexpr LangText kInsertNoRoomText{
    "Channel 16 is in use: there is no room to insert a channel. Delete or clear a channel first.",
    "信道 16 已使用，没有位置插入信道。请先删除或清除一个信道。"};
// Inserting `count` channels (more than one) needs channels first..16 empty.
std::string InsertNeedsEmptyText(int count, int first, Language language);

// The paste report's lines, each ending in a line break: the heading over
// `count` refused cells (of a cut when `cut`), one refused cell, the refusals
// not listed, a channel the rules cleared, and the cells beyond the table.
std::string PasteRefusedHeading(std::size_t count, bool cut, Language language);
std::string PasteRefusalLine(int channel, const std::string& columnTitle, const std::string& reason, Language language);
std::string PasteMoreLine(std::size_t more, Language language);
std::string PasteClearedLine(int channel, Language language);
std::string PasteOutsideLine(int count, Language language);
