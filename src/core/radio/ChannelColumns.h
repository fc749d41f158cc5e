#pragma once
// The channel table's columns, one row each: its title, where the image keeps
// it, its words, what a new channel gets, its width, its editor and its
// printout label. The codecs, the cell rules, the grid, the printout, the CSV
// forms and programcli all read these rows, so a column is added here (and in
// the help pages) and nowhere else; a row missing, extra or out of place does
// not compile.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>

#include "core/lang/Language.h"
#include "core/radio/ImageMap.h"

enum ChannelColumn {
  kColChannel,  // the channel number
  kColRxFrequency,
  kColTxFrequency,
  kColDecodeTone,
  kColEncodeTone,
  kColBandwidth,
  kColScan,
  kColBusyLock,
  kColPower,
  kChannelColumns  // the count, the number column included
};

// How a column's text is kept in the image.
enum class CellCodec {
  ChannelNumber,  // the row's own "%2d", kept nowhere
  Frequency,      // four packed BCD bytes of the record
  Tone,           // a tone word of the record
  RecordBits,     // one of the column's words: bits of one record byte
  ScanBit,        // one of the column's words: the channel's bit of the scan list
};

// What edits a cell in place: an edit control, a list, or a list that also
// takes typed text.
enum class EditorKind { None, Text, List, EditableList };

// A word of a column and the bits that store it (a ScanBit column: 1 or 0).
struct ColumnValue {
  const LangText* word = nullptr;
  std::uint8_t bits = 0;
};

constexpr std::size_t kMaxColumnValues = 4;
struct ColumnValues {
  std::array<ColumnValue, kMaxColumnValues> entries{};
  std::size_t count = 0;

  constexpr ColumnValues() = default;
  constexpr ColumnValues(std::initializer_list<ColumnValue> list) {
    // More words than kMaxColumnValues: not a constant expression.
    for (const ColumnValue& value : list) entries.at(count++) = value;
  }
  constexpr const ColumnValue* begin() const { return entries.data(); }
  constexpr const ColumnValue* end() const { return entries.data() + count; }
  constexpr const ColumnValue& operator[](int i) const { return entries[static_cast<std::size_t>(i)]; }
};

struct ChannelColumnDef {
  ChannelColumn column;
  LangText title;
  double width;  // times the width the grid gives column 0 before any is set
  CellCodec codec = CellCodec::ChannelNumber;
  int recordByte = 0;        // Frequency, Tone, RecordBits: the byte in the channel record
  std::uint8_t mask = 0;     // RecordBits: the bits of that byte the column owns
  ColumnValues values;       // in the list editor's order; a tone column: its word for no tone
  int newChannelValue = -1;  // the entry a new channel gets; -1: the frequency typed
  int unknownValue = -1;     // RecordBits, ScanBit: the entry that bits or a text no entry has stand for
  EditorKind editor = EditorKind::None;
  int editorId = 0;  // the editor's control id, which is its help topic too
  bool printed = false;
  LangText printLabel{"", ""};

  constexpr ChannelColumnDef(ChannelColumn c, LangText t, double w) : column(c), title(t), width(w) {}
  constexpr ChannelColumnDef Stored(CellCodec c, int byte, std::uint8_t m = 0) const {
    ChannelColumnDef d = *this;
    d.codec = c;
    d.recordByte = byte;
    d.mask = m;
    return d;
  }
  constexpr ChannelColumnDef Words(ColumnValues v, int newChannel, int unknown = -1) const {
    ChannelColumnDef d = *this;
    d.values = v;
    d.newChannelValue = newChannel;
    d.unknownValue = unknown;
    return d;
  }
  constexpr ChannelColumnDef Edited(EditorKind kind, int controlId) const {
    ChannelColumnDef d = *this;
    d.editor = kind;
    d.editorId = controlId;
    return d;
  }
  constexpr ChannelColumnDef Printed(LangText label) const {
    ChannelColumnDef d = *this;
    d.printed = true;
    d.printLabel = label;
    return d;
  }
  // Its text is one of its words (or typed, for a tone).
  constexpr bool IsChoice() const { return codec == CellCodec::RecordBits || codec == CellCodec::ScanBit; }
};

// The words the cells show. A cell takes either language's.
inline constexpr LangText kNoToneText{"None", "无"};
inline constexpr LangText kWideText{"Wide", "宽"};
inline constexpr LangText kNarrowText{"Narrow", "窄"};
inline constexpr LangText kScanYesText{"Yes", "是"};
inline constexpr LangText kScanNoText{"No", "否"};
inline constexpr LangText kBusyOffText{"Off", "关"};
inline constexpr LangText kBusyCarrierText{"Carrier", "载波"};
inline constexpr LangText kBusyToneText{"QT/DQT", "QT/DQT"};
inline constexpr LangText kPowerHighText{"High", "高"};
inline constexpr LangText kPowerMiddleText{"Middle", "中"};
inline constexpr LangText kPowerLowText{"Low", "低"};

namespace ChannelColumnRows {
using namespace ImageMap::Channel;
using C = ChannelColumnDef;
using K = CellCodec;
using E = EditorKind;

inline constexpr ChannelColumnDef kRows[] = {
    C(kColChannel, LangText{"CH", "信道"}, 0.51),
    C(kColRxFrequency, LangText{"Rx Frequency", "接收频率"}, 1.2)
        .Stored(K::Frequency, kRxFrequency)
        .Edited(E::Text, 2127)
        .Printed(LangText{"Receive Frequency:", "接收频率:"}),
    // The printed label has always said "Transceive".
    C(kColTxFrequency, LangText{"Tx Frequency", "发射频率"}, 1.2)
        .Stored(K::Frequency, kTxFrequency)
        .Edited(E::Text, 2128)
        .Printed(LangText{"Transceive Frequency:", "发射频率:"}),
    C(kColDecodeTone, LangText{"QT/DQT Dec", "QT/DQT解码"}, 1.2)
        .Stored(K::Tone, kDecodeTone)
        .Words({{&kNoToneText}}, 0)
        .Edited(E::EditableList, 2132)
        .Printed(LangText{"QT/DQT Decode:", "QT/DQT解码:"}),
    C(kColEncodeTone, LangText{"QT/DQT Enc", "QT/DQT编码"}, 1.2)
        .Stored(K::Tone, kEncodeTone)
        .Words({{&kNoToneText}}, 0)
        .Edited(E::EditableList, 2133)
        .Printed(LangText{"QT/DQT Encode:", "QT/DQT编码:"}),
    C(kColBandwidth, LangText{"W/N", "宽/窄"}, 1.0)
        .Stored(K::RecordBits, kModeFlags, kWideBit)
        .Words({{&kWideText, kWideBit}, {&kNarrowText, 0}}, 0, 0)
        .Edited(E::List, 2134)
        .Printed(LangText{"W/N:", "宽/窄:"}),
    C(kColScan, LangText{"Scan", "扫描"}, 0.8)
        .Stored(K::ScanBit, 0, 1)
        .Words({{&kScanYesText, 1}, {&kScanNoText, 0}}, 0, 0)
        .Edited(E::List, 2135)
        .Printed(LangText{"Scan:", "扫描:"}),
    // Both bits set, which no word stores, read as QT/DQT.
    C(kColBusyLock, LangText{"Busy Lock", "繁忙锁定"}, 1.0)
        .Stored(K::RecordBits, kSignalFlags, kBusyLockMask)
        .Words({{&kBusyOffText, 0}, {&kBusyCarrierText, kBusyLockCarrier}, {&kBusyToneText, kBusyLockTone}}, 0, 2)
        .Edited(E::List, 1130),
    // Both bits set, which no word stores, read as High.
    C(kColPower, LangText{"Power", "功率"}, 0.8)
        .Stored(K::RecordBits, kModeFlags, kPowerMask)
        .Words({{&kPowerHighText, kPowerHigh}, {&kPowerMiddleText, kPowerMiddle}, {&kPowerLowText, 0}}, 0, 0)
        .Edited(E::List, 1129),
};

// What every reader of the rows relies on: an entry index inside the list,
// bits inside the mask, the editor the codec needs.
constexpr bool Consistent(const ChannelColumnDef& d) {
  const auto count = static_cast<int>(d.values.count);
  if (d.newChannelValue >= count || d.unknownValue >= count) return false;
  for (const ColumnValue& v : d.values)
    if ((v.bits & ~d.mask) != 0) return false;
  switch (d.codec) {
    case K::ChannelNumber: return d.editor == E::None && !d.printed;
    case K::Frequency: return d.editor == E::Text && d.newChannelValue == -1;
    case K::Tone: return d.editor == E::EditableList && d.values.count == 1 && d.newChannelValue == 0;
    case K::RecordBits:
    case K::ScanBit: return d.editor == E::List && d.newChannelValue >= 0 && d.unknownValue >= 0;
  }
  return false;
}

constexpr bool RowsInColumnOrder() {
  for (std::size_t i = 0; i < std::size(kRows); ++i)
    if (static_cast<std::size_t>(kRows[i].column) != i || !Consistent(kRows[i]) ||
        (i > 0 && kRows[i].codec == K::ChannelNumber))
      return false;
  return true;
}

static_assert(std::size(kRows) == kChannelColumns, "one row for every ChannelColumn");
static_assert(RowsInColumnOrder(), "row i is column i, and each row's words, codec and editor agree");

}  // namespace ChannelColumnRows

// Every column in order; kChannelColumnRows[c].column == c.
inline constexpr const auto& kChannelColumnRows = ChannelColumnRows::kRows;

// Column c's row; c must be 0 to kChannelColumns - 1.
inline const ChannelColumnDef& ColumnRow(int c) { return kChannelColumnRows[c]; }
inline bool IsChannelColumn(int c) { return c >= 0 && c < kChannelColumns; }
