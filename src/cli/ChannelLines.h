#pragma once
// The channel table as show and diff print it: a line is the channel number
// (or its column title) followed by columns 1-8, each after one tab.
#include <string>

#include "core/lang/Language.h"
#include "core/radio/ChannelTable.h"

// "\tTITLE" for each of columns 1-8.
std::string TabbedColumnTitles(Language language);
// "\tCELL" for each of columns 1-8 of `row`.
std::string TabbedCells(const ChannelRow& row);
