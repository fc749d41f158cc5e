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
