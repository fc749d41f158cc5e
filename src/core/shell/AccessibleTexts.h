#pragma once
// What a screen reader says for the controls whose screen shows no text of
// their own: the names of the tables, the tree and the progress window's
// parts, a table row's name, and the name of a cell's in-place editor. The
// same in both languages wherever the screen's own texts are used.
#include <string>

#include "core/lang/Language.h"

extern const LangText kA11yNavigationTree;  // "Navigation"
extern const LangText kA11yChannelTable;    // "Channels"
extern const LangText kA11yPowerTable;      // the Power Adjustment grid
extern const LangText kA11ySqlTable;        // the Param Adjust dialog's SQL grid
extern const LangText kA11yRxTable;         // and its Rx grid
extern const LangText kA11yProgressBar;     // the progress window's bar
extern const LangText kA11yPercentage;      // and its percentage
extern const LangText kA11yHelpText;        // the help window's text

// A channel table row: "Channel 3" / "信道 3".
std::string ChannelRowName(int channel, Language language);
// A row of a table over the band's points: "400 MHz".
std::string BandPointRowName(int megahertz);
// An in-place editor over a cell: its column and its row, "Rx Frequency,
// channel 3" / "接收频率，信道 3". After an English comma a capitalised
// word goes on in lower case; an empty part is left out.
std::string CellEditorName(const std::string& column, const std::string& row, Language language);
// The percentage field as it is read out: "Percentage 42%".
std::string PercentageName(const std::string& percent, Language language);
// A value a cell took, said after its name: "Rx Frequency, channel 3,
// 146.52000"; an emptied cell "..., empty" / "…，空".
std::string CellValueSentence(const std::string& cellName, const std::string& value, Language language);
// Whether a transfer's progress from `before` to `after` percent reaches a
// multiple of `step` not reached before. A quarter (25) is said aloud, and
// the bar moves every 4 %: a screen reader told of every block falls
// behind and drops what it is told at the end ("Read complete").
bool ReachesProgressStep(int before, int after, int step);
constexpr int kSpokenProgressStep = 25;
constexpr int kBarProgressStep = 4;
