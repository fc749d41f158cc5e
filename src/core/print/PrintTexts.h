#pragma once
// The printout's texts in English and Chinese: the option page and the
// channel pages.
#include "core/lang/Language.h"

// The option page: its title and its heading.
inline constexpr LangText kOptionPageTitle{"Option", "可选功能"};
inline constexpr LangText kOptionPageHeading{"Function", "功能"};
// The labels of its lines are the options' own (settings/OptionDefinitions.h).

// The channel pages: the title and a channel's heading (its number for "%d");
// the labels of its lines are its columns' (radio/ChannelColumns.h).
inline constexpr LangText kChannelPageTitle{"Channel", "信道"};
inline constexpr LangText kChannelHeading{"Channel %d:", "信道%d:"};
