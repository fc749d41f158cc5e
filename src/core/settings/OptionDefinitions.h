#pragma once
// The radio-wide options, one row each: the name programcli gives it, where
// and how the image stores it, its list of values, its place and label in
// the Optional Features dialog and its line on the printout. The dialog,
// the printout, programcli set/show/diff and the language modules all read
// these rows, so an option is added here and nowhere else in the code.
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/lang/Language.h"
#include "core/radio/ImageMap.h"
#include "core/settings/SettingsTexts.h"

// In the dialog's order: the left column, then the right one.
enum class OptionList {
  TimeOutTime,
  SquelchLevel,
  PriorityChannel,
  VoiceAnnunciation,
  SideKey1,
  SideKey2,
  Vox,
  VoxGainLevel,
  VoxDelayTime,
  Beep,
  BatterySaver,
  Count  // not an option: the number of them
};
constexpr int kOptionListCount = static_cast<int>(OptionList::Count);

// A list's position in an OptionIndexes and in every table of lists.
constexpr std::size_t ListSlot(OptionList list) { return static_cast<std::size_t>(list); }

// How a list's index and its stored value meet.
enum class OptionCoding {
  Counted,   // value = index + first
  Bits,      // the masked bits hold the index; a value with no entry shows 0
  OneIsOn,   // index = 1 - value: 1 shows "On", 0 "Off", anything else nothing
  NonzeroOn  // nonzero shows "On"; stores 1 or 0
};

struct OptionStorage {
  std::uint16_t offset;
  OptionCoding coding;
  int first;          // Counted: the value of entry 0
  std::uint8_t mask;  // Bits: the bits the list owns; the rest of the byte is another's
  int shift;          // Bits: their lowest position
};
constexpr OptionStorage Counted(std::uint16_t offset, int first = 0) {
  return {offset, OptionCoding::Counted, first, 0xFF, 0};
}
constexpr OptionStorage Bits(std::uint16_t offset, std::uint8_t mask) {
  int shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  return {offset, OptionCoding::Bits, 0, mask, shift};
}
constexpr OptionStorage OneIsOn(std::uint16_t offset) { return {offset, OptionCoding::OneIsOn, 0, 0xFF, 0}; }
constexpr OptionStorage NonzeroOn(std::uint16_t offset) { return {offset, OptionCoding::NonzeroOn, 0, 0xFF, 0}; }

// A list's entries: its words, then its numbers (first, first + step, ...),
// each a time in seconds ("15s", SecondsText) where the list says so.
struct OptionEntries {
  const LangText* words;
  int wordCount;
  int numberCount;
  int firstNumber;
  int step;
  bool seconds;
  // Options sharing one list (the side keys): set --help writes the list
  // once, under this name.
  const char* sharedName;

  constexpr int count() const { return wordCount + numberCount; }
};
template <std::size_t N>
constexpr OptionEntries Words(const LangText (&words)[N], const char* sharedName = nullptr) {
  return {words, static_cast<int>(N), 0, 0, 1, false, sharedName};
}
constexpr OptionEntries Numbers(int first, int count, int step = 1) {
  return {nullptr, 0, count, first, step, false, nullptr};
}
constexpr OptionEntries Seconds(int first, int count, int step) { return {nullptr, 0, count, first, step, true, nullptr}; }
constexpr OptionEntries OffThenNumbers(int first, int count) {
  return {&kOptionOffText, 1, count, first, 1, false, nullptr};
}

// How the printout shows the byte, an entry where it has one; a byte
// without one still prints, as the printout always has.
enum class OptionPrint {
  No,               // not on the printout
  Counting,         // the numbers carried on past either end (0 -> "0s")
  CountingZeroOff,  // as Counting, but 0 is "Off"
  LastForRest,      // every value past the list is its last entry
  LowBit            // only bit 0 counts
};
struct OptionPrintout {
  int place;  // the line, from 0; -1 when not printed
  OptionPrint rule;
  LangText label;  // ends with ':'
};
constexpr OptionPrintout Printed(int place, OptionPrint rule, LangText label) { return {place, rule, label}; }
constexpr OptionPrintout NotPrinted() { return {-1, OptionPrint::No, {"", ""}}; }

// The dialog has two columns; each fills from the top in row order.
enum class OptionColumn { Left, Right };

struct OptionRow {
  OptionList list;   // the row's own enumerator: the rows are in OptionList order
  const char* name;  // programcli's
  OptionStorage storage;
  OptionEntries entries;
  int controlId;  // the dialog's list; its label's resource key and help topic follow from it
  OptionColumn column;
  LangText label;  // the dialog's
  OptionPrintout print;
};

inline constexpr LangText kOnOffEntries[] = {kOptionOnText, kOptionOffText};

inline constexpr OptionRow kOptionRows[] = {
    {OptionList::TimeOutTime,
     "timeout",
     Counted(ImageMap::kTimeOutTimer, 1),
     Seconds(15, 40, 15),
     1118,
     OptionColumn::Left,
     {"Time Out Time", "超时定时器"},
     Printed(0, OptionPrint::Counting, {"Time Out Time:", "超时定时器:"})},
    {OptionList::SquelchLevel,
     "squelch",
     Counted(ImageMap::kSquelchLevel),
     Numbers(0, 10),
     1116,
     OptionColumn::Left,
     {"Squelch Level", "静噪等级"},
     Printed(1, OptionPrint::Counting, {"Squelch Level:", "静噪电平:"})},
    {OptionList::PriorityChannel,
     "priority",
     Counted(ImageMap::kPriorityChannel),
     OffThenNumbers(1, ImageMap::kChannelCount),
     1006,
     OptionColumn::Left,
     {"Priority Channel", "优先信道"},
     NotPrinted()},
    // The printed label has always carried this spelling.
    {OptionList::VoiceAnnunciation,
     "voice",
     Counted(ImageMap::kVoiceAnnunciation),
     Words(kVoiceEntries),
     1119,
     OptionColumn::Left,
     {"Voice Annunciation", "语音报号"},
     Printed(2, OptionPrint::LastForRest, {"Voice Annunication:", "语音报号:"})},
    {OptionList::SideKey1,
     "side-key-1",
     Bits(ImageMap::kSideKeys, 0x07),
     Words(kSideKeyEntries, "KEY"),
     1011,
     OptionColumn::Left,
     {"Side Key 1", "侧键1"},
     NotPrinted()},
    {OptionList::SideKey2,
     "side-key-2",
     Bits(ImageMap::kSideKeys, 0x70),
     Words(kSideKeyEntries, "KEY"),
     1012,
     OptionColumn::Left,
     {"Side Key 2", "侧键2"},
     NotPrinted()},
    {OptionList::Vox,
     "vox",
     OneIsOn(ImageMap::kVox),
     Words(kOnOffEntries),
     1007,
     OptionColumn::Right,
     {"VOX", "声控"},
     NotPrinted()},
    {OptionList::VoxGainLevel,
     "vox-gain",
     Counted(ImageMap::kVoxGainLevel, 1),
     Numbers(1, 8),
     1121,
     OptionColumn::Right,
     {"Vox Gain Level", "声控增益等级"},
     Printed(4, OptionPrint::CountingZeroOff, {"Vox Gain Level:", "声控增益电平:"})},
    {OptionList::VoxDelayTime,
     "vox-delay",
     Counted(ImageMap::kVoxDelayTime),
     Words(kVoxDelayEntries),
     1140,
     OptionColumn::Right,
     {"Vox Delay Time", "声控延迟时间"},
     Printed(3, OptionPrint::LastForRest, {"Vox Delay Time:", "声控延迟时间:"})},
    {OptionList::Beep,
     "beep",
     NonzeroOn(ImageMap::kBeep),
     Words(kOnOffEntries),
     1141,
     OptionColumn::Right,
     {"Beep", "按键音"},
     Printed(6, OptionPrint::LowBit, {"Beep:", "哔音:"})},
    {OptionList::BatterySaver,
     "battery-saver",
     NonzeroOn(ImageMap::kBatterySaver),
     Words(kOnOffEntries),
     1142,
     OptionColumn::Right,
     {"Battery Saver", "省电"},
     Printed(5, OptionPrint::LowBit, {"Battery Saver:", "电池省电:"})},
};

constexpr const OptionRow& OptionRowOf(OptionList list) { return kOptionRows[ListSlot(list)]; }

// The printout's lines: one per printed row, their places 0, 1, ... each
// taken once.
constexpr int PrintedOptionCount() {
  int count = 0;
  for (const OptionRow& row : kOptionRows) count += row.print.place >= 0 ? 1 : 0;
  return count;
}
constexpr bool PrintPlacesTakenOnce() {
  for (int place = 0; place < PrintedOptionCount(); ++place) {
    int taken = 0;
    for (const OptionRow& row : kOptionRows) taken += row.print.place == place ? 1 : 0;
    if (taken != 1) return false;
  }
  return true;
}

constexpr bool RowsFollowTheEnum() {
  for (std::size_t i = 0; i < std::size(kOptionRows); ++i)
    if (ListSlot(kOptionRows[i].list) != i) return false;
  return true;
}

// The dialog's OK stores every list in any order: no bit may be two lists'.
constexpr bool NoBitSharedByTwoRows() {
  for (std::size_t i = 0; i < std::size(kOptionRows); ++i)
    for (std::size_t j = i + 1; j < std::size(kOptionRows); ++j)
      if (kOptionRows[i].storage.offset == kOptionRows[j].storage.offset &&
          (kOptionRows[i].storage.mask & kOptionRows[j].storage.mask) != 0)
        return false;
  return true;
}

static_assert(std::size(kOptionRows) == static_cast<std::size_t>(kOptionListCount),
              "every OptionList needs its row in kOptionRows, and every row its OptionList");
static_assert(RowsFollowTheEnum(), "kOptionRows must list the options in OptionList order");
static_assert(PrintPlacesTakenOnce(), "each printout line must be one row's, with no gap");
static_assert(NoBitSharedByTwoRows(), "two options store into the same bits");
