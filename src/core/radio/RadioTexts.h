#pragma once
// The channel table's texts in English and Chinese: why a cell refuses a
// value and the band checks' messages. Its column titles and words are in
// its column rows (radio/ChannelColumns.h).
#include "core/lang/Language.h"

// Why a cell refused a value, indexed by CellVerdict; "{value}" and
// "{column}" are filled in.
inline constexpr LangText kCellRefusalReasons[] = {
    /* Accepted */ {"", ""},
    /* OutOfRange */ {"{value} is outside the band", "{value} 超出频段"},
    /* OffRaster */ {"{value} is off the step (6.25K/5K)", "{value} 不符合步进（6.25K/5K）"},
    /* NotAnItem */ {"'{value}' is not a value of {column}", "“{value}”不是{column}的值"},
    /* UnknownTone */ {"unknown tone '{value}'", "未知的亚音“{value}”"},
    /* NoChannel */ {"the channel is empty: give it an Rx Frequency first", "信道为空：请先给出接收频率"},
};
// An empty value where a channel in use needs one.
inline constexpr LangText kCellNeedsValueText{"a channel in use needs a value here", "使用中的信道此处必须有值"};
// "{column}" when no column is named.
inline constexpr LangText kThisColumnText{"this column", "此列"};

// Channels outside the band: the band text for the first "%s", the channel
// numbers (joined by the separator) for the second.
inline constexpr LangText kBandChangeText = {"These channels lie outside the band %s and are kept as they are:\n%s",
                                             "以下信道超出频段 %s，已保持原样：\n%s"};
inline constexpr LangText kBandWriteQuestion = {
    "These channels lie outside the band %s:\n%s\nWrite them to the radio all the same?",
    "以下信道超出频段 %s：\n%s\n仍要写入电台吗？"};
inline constexpr LangText kBandWriteRefusal = {
    "channels outside the band %s: %s; nothing was sent (--raw sends the file as it is)",
    "以下信道超出频段 %s：%s；没有发送任何数据（--raw 按原样发送文件）"};
inline constexpr LangText kChannelNumberSeparator{", ", "、"};
