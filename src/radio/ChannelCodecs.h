#pragma once
// Conversions between channel record fields and the texts of the channel table.
// Decoders produce the texts of the language asked for; encoders accept the
// texts of both languages and leave every bit they do not own unchanged.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "radio/Language.h"
#include "radio/RadioImage.h"

// Exact decimal product of two doubles, each first rounded to 15 significant
// digits; the result is the double nearest to the exact product.
double DecimalScale(double x, double factor);

// The leading decimal number of a text, as a text-to-floating-point
// conversion reads it (blanks, sign, digits, point, fraction, exponent); 0 when
// there is none. Independent of the process locale.
double LeadingNumber(const std::string& text);
// The leading whole number (blanks, sign, digits); 0 when there is none.
long long LeadingInteger(const std::string& text);

// Units of 10 Hz, truncated toward zero.
long long FrequencyUnits(double megahertz);

// `bytes` are four packed BCD digit pairs, bytes[3] most significant.
bool FrequencyIsSet(const std::uint8_t* bytes);
std::string DecodeFrequency(const std::uint8_t* bytes);
std::array<std::uint8_t, 4> EncodeFrequency(const std::string& text);

std::string DecodeTone(ToneWord word, const std::string& noToneText);
ToneWord EncodeTone(const std::string& text);

extern const LangText kNoToneText;       // "None"
extern const LangText kWideText;         // "Wide"
extern const LangText kNarrowText;       // "Narrow"
extern const LangText kScanYesText;      // "Yes"
extern const LangText kScanNoText;       // "No"
extern const LangText kBusyOffText;      // "Off"
extern const LangText kBusyCarrierText;  // "Carrier"
extern const LangText kBusyToneText;     // "QT/DQT"
extern const LangText kPowerHighText;    // "High"
extern const LangText kPowerMiddleText;  // "Middle"
extern const LangText kPowerLowText;     // "Low"

std::string DecodeBandwidth(std::uint8_t modeFlags, bool chinese);
std::uint8_t EncodeBandwidth(std::uint8_t modeFlags, const std::string& text);
std::string DecodeScan(bool inScanList, bool chinese);
bool EncodeScan(const std::string& text);
std::string DecodeBusyLock(std::uint8_t signalFlags, bool chinese);
std::uint8_t EncodeBusyLock(std::uint8_t signalFlags, const std::string& text);
std::string DecodePower(std::uint8_t modeFlags, bool chinese);
std::uint8_t EncodePower(std::uint8_t modeFlags, const std::string& text);

// The step rule: n units of 10 Hz lie on the 5 kHz or the 6.25 kHz raster.
bool OnChannelRaster(long long n);

// The band rule, from a band text such as "400-470MHz" or "130 - 160MHz".
struct BandLimits {
  long long lower = 0;  // units of 10 Hz
  long long upper = 0;  // one MHz above the nominal top, inclusive
  bool Contains(long long n) const { return lower <= n && n <= upper; }
};
BandLimits BandLimitsFromText(const std::string& bandText);
