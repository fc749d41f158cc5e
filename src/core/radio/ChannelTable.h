#pragma once
// The channel table's texts: one row per channel, its columns as the channel
// window shows them (radio/ChannelColumns.h), and the way back into the image.
#include <array>
#include <string>

#include "core/lang/Language.h"
#include "core/radio/ChannelColumns.h"
#include "core/radio/RadioImage.h"

// Cells of one row; index 0 holds the "%2d" channel number.
using ChannelRow = std::array<std::string, kChannelColumns>;
using ChannelTable = std::array<ChannelRow, ImageMap::kChannelCount>;  // [0] is channel 1

const char* ChannelColumnTitle(int column, Language language);
std::string ChannelNumberText(int n);  // "%2d"

// Channel n (1-16) as the window shows it. A row whose receive or transmit
// frequency is not set is empty: its tones show only when set (never "None")
// and its word columns stay empty.
ChannelRow DecodeChannelRow(const RadioImage& image, int n, Language language);
// The texts of one row into channel n's record and scan bit; bytes 14-15 and
// the flag bits no column owns are kept. Texts of either language are read.
void EncodeChannelRow(const ChannelRow& row, int n, RadioImage& image);

ChannelTable TableFromImage(const RadioImage& image, Language language);
// All sixteen rows, then the programmed marker.
void StoreTableToImage(const ChannelTable& table, RadioImage& image);

// The image as the channel window sends it after showing it: its table
// (either language gives the same bytes) stored back. Whatever writes an
// image to a radio without the window goes through this too, so that a file
// reaches the radio the same way from both.
void StoreImageThroughTable(RadioImage& image);
