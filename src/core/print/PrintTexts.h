#pragma once
// The printout's texts in English and Chinese: the option page and the
// channel pages.
#include "core/lang/Language.h"

// The option page: its title and its heading.
inline constexpr LangText kOptionPageTitle{"Option", "可选功能"};
inline constexpr LangText kOptionPageHeading{"Function", "功能"};
// The labels of its lines are the options' own (settings/OptionDefinitions.h).

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
