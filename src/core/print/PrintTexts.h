#pragma once
// The printout's texts in English and Chinese: the option page and the
// channel pages.
#include "core/lang/Language.h"

// The option page: its title, its heading and the labels of its lines.
inline constexpr LangText kOptionPageTitle{"Option", "可选功能"};
inline constexpr LangText kOptionPageHeading{"Function", "功能"};
inline constexpr LangText kTimeOutLabel{"Time Out Time:", "超时定时器:"};
inline constexpr LangText kSquelchLabel{"Squelch Level:", "静噪电平:"};
// The printed labels have always carried these spellings.
inline constexpr LangText kVoiceLabel{"Voice Annunication:", "语音报号:"};
inline constexpr LangText kVoxDelayLabel{"Vox Delay Time:", "声控延迟时间:"};
inline constexpr LangText kVoxGainLabel{"Vox Gain Level:", "声控增益电平:"};
inline constexpr LangText kBatterySaverLabel{"Battery Saver:", "电池省电:"};
inline constexpr LangText kBeepLabel{"Beep:", "哔音:"};
// The option page's values are the Optional Features lists' own words
// (settings/SettingsTexts.h).

// The channel pages: the title and a channel's heading (its number for "%d");
// the labels of its lines are its columns' (radio/ChannelColumns.h).
inline constexpr LangText kChannelPageTitle{"Channel", "信道"};
inline constexpr LangText kChannelHeading{"Channel %d:", "信道%d:"};
