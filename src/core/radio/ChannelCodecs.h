#pragma once
// Conversions between channel record fields and the texts of the channel table.
// Decoders produce the texts of the language asked for; encoders accept the
// texts of both languages and leave every bit they do not own unchanged.
#include <array>
#include <cstdint>
#include <string>

#include "core/lang/Language.h"
#include "core/radio/ChannelColumns.h"
#include "core/radio/DecimalScale.h"
#include "core/radio/NumberText.h"
#include "core/radio/RadioImage.h"
#include "core/radio/ToneTables.h"

// Units of 10 Hz of a typed frequency in MHz, through DecimalScale, truncated
// toward zero (saturating, see TruncateToInteger).
long long FrequencyUnits(double megahertz);
// Tenths of Hz of a typed tone in Hz, the same way.
long long ToneTenths(double hertz);

// The largest frequency four BCD bytes hold with the top byte still a valid
// set value: its digit pair may run up to 15 (0xF9 is 159). Anything larger
// would wrap the top byte into a different frequency.
constexpr long long kMaxStorableFrequency = 159999999;
// Below 10 MHz the top byte is 0x00, which reads back as a channel not set.
constexpr long long kMinStorableFrequency = 1000000;
// A frequency a channel record holds apart from an empty channel.
inline bool FrequencyIsStorable(long long n) { return n >= kMinStorableFrequency && n <= kMaxStorableFrequency; }

// "%3.5f" MHz of a number of units of 10 Hz, digit for digit.
std::string FrequencyText(long long units);

// `bytes` are four packed BCD digit pairs, bytes[3] most significant.
bool FrequencyIsSet(const std::uint8_t* bytes);
// The stored digits as units of 10 Hz, nibbles above 9 taken as they come;
// only meaningful when FrequencyIsSet.
long long StoredFrequencyUnits(const std::uint8_t* bytes);
// "%3.5f" MHz, or the empty text when not set.
std::string DecodeFrequency(const std::uint8_t* bytes);
// No number, 0, a negative number or one beyond kMaxStorableFrequency gives
// four 0xFF (not set).
std::array<std::uint8_t, 4> EncodeFrequency(const std::string& text);

// "None"/"无" (or whatever the caller passes) for no tone, "D023N"/"D023I"
// for DCS, "%3.1f" Hz for CTCSS.
std::string DecodeTone(ToneWord word, const std::string& noToneText);
ToneWord EncodeTone(const std::string& text);

// A word column's text from its stored bits (a RecordBits column: the
// record byte, a ScanBit column: the scan bit as 0 or 1), and back: a text no
// entry of the column has, in either language, stores its unknownValue entry.
// Bits the column does not own are kept.
std::string DecodeChoice(const ChannelColumnDef& column, std::uint8_t stored, Language language);
std::uint8_t EncodeChoice(const ChannelColumnDef& column, std::uint8_t stored, const std::string& text);
// The scan list bit of a channel as its Scan column shows it.
std::string DecodeScan(bool inScanList, Language language);
bool EncodeScan(const std::string& text);

// The step rule: n units of 10 Hz lie on the 5 kHz or the 6.25 kHz raster.
bool OnChannelRaster(long long n);

// The band rule, from a band text such as "400-470MHz" or "130 - 160MHz"
// (ParseBandText in radio/BandText.h reads the text).
struct BandLimits {
  long long lower = 0;  // units of 10 Hz
  long long upper = 0;  // one MHz above the nominal top, inclusive
  bool Contains(long long n) const { return lower <= n && n <= upper; }
};
BandLimits BandLimitsFromText(const std::string& bandText);
