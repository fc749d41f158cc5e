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

// The channel pages: the title, a channel's heading (its number for "%d")
// and the labels of its lines, left and right.
inline constexpr LangText kChannelPageTitle{"Channel", "信道"};
inline constexpr LangText kChannelHeading{"Channel %d:", "信道%d:"};
inline constexpr LangText kRxFrequencyLabel{"Receive Frequency:", "接收频率:"};
inline constexpr LangText kTxFrequencyLabel{"Transceive Frequency:", "发射频率:"};
inline constexpr LangText kDecodeToneLabel{"QT/DQT Decode:", "QT/DQT解码:"};
inline constexpr LangText kEncodeToneLabel{"QT/DQT Encode:", "QT/DQT编码:"};
inline constexpr LangText kBandwidthLabel{"W/N:", "宽/窄:"};
inline constexpr LangText kScanLabel{"Scan:", "扫描:"};
