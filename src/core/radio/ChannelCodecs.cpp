#include "core/radio/ChannelCodecs.h"

#include <cstdio>

#include "core/lang/AnyLanguage.h"

namespace {

constexpr long long kUnitsPerMegahertz = 100000;  // units of 10 Hz
constexpr std::uint8_t kDcsNormal = 0x28;
constexpr std::uint8_t kDcsInverted = 0xA8;
// Codes from 372 up have a stored value of 256 or more (the first such code
// in the table is 411).
constexpr long long kFirstHighDcsCode = 372;
constexpr ToneWord kNoTone = 0xFFFF;

// Either language's text; comparisons are exact, case included.
bool Is(const std::string& text, const LangText& t) { return IsAnyForm(t, text); }

std::uint8_t WithBits(std::uint8_t byte, std::uint8_t mask, std::uint8_t bits) {
  return static_cast<std::uint8_t>((byte & ~mask) | bits);
}

}  // namespace

long long FrequencyUnits(double megahertz) { return TruncateToInteger(DecimalScale(megahertz, 100000.0)); }

long long ToneTenths(double hertz) { return TruncateToInteger(DecimalScale(hertz, 10.0)); }

bool FrequencyIsSet(const std::uint8_t* bytes) { return bytes[3] != 0x00 && bytes[3] != 0xFF; }

long long StoredFrequencyUnits(const std::uint8_t* bytes) {
  // The sum stays below 2^31 whatever the nibbles hold.
  long long v = 0;
  for (int i = 3; i >= 0; --i) v = v * 100 + (bytes[i] >> 4) * 10 + (bytes[i] & 0x0F);
  return v;
}

std::string DecodeFrequency(const std::uint8_t* bytes) {
  if (!FrequencyIsSet(bytes)) return std::string();
  return FrequencyText(StoredFrequencyUnits(bytes));
}

std::string FrequencyText(long long units) {
  // units * 0.00001 printed with five decimals, without a binary fraction on
  // the way: the digits are exactly those of the integer.
  const bool negative = units < 0;
  const unsigned long long v =
      negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  const unsigned long long perMegahertz = kUnitsPerMegahertz;
  char text[48];
  std::snprintf(text, sizeof text, "%s%llu.%05llu", negative ? "-" : "", v / perMegahertz, v % perMegahertz);
  return text;
}

std::array<std::uint8_t, 4> EncodeFrequency(const std::string& text) {
  long long n = FrequencyUnits(LeadingNumber(text));
  std::array<std::uint8_t, 4> bytes{0xFF, 0xFF, 0xFF, 0xFF};
  if (n <= 0 || n > kMaxStorableFrequency) return bytes;
  long long divisor = 1000000;
  for (int p = 3; p >= 0; --p, divisor /= 100) {
    const long long q = n / divisor;
    n %= divisor;
    bytes[p] = static_cast<std::uint8_t>((q / 10) * 16 + q % 10);
  }
  return bytes;
}

std::string DecodeTone(ToneWord word, const std::string& noToneText) {
  const std::uint8_t high = ToneHigh(word);
  const std::uint8_t low = ToneLow(word);
  if (high == 0x00 || high == 0xFF) return noToneText;
  if ((high & 0xFE) == kDcsNormal || (high & 0xFE) == kDcsInverted) {
    const int code = DcsCodeOfValue((high & 1) * 256 + low);
    char text[16];
    std::snprintf(text, sizeof text, "D%03d%c", code, (high & 0xFE) == kDcsNormal ? 'N' : 'I');
    return text;
  }
  // (H * 256 + L) * 0.1 printed with one decimal is exactly this.
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d", word / 10, word % 10);
  return text;
}

ToneWord EncodeTone(const std::string& text) {
  if (text.find('D') != std::string::npos) {
    const std::string rest = text.substr(1);
    const long long code = LeadingInteger(rest);
    std::uint8_t high = rest.find('N') != std::string::npos ? kDcsNormal : kDcsInverted;
    if (code >= kFirstHighDcsCode) high |= 1;
    const int value = DcsStoredValue(code);
    return MakeToneWord(high, value < 0 ? 0x00 : static_cast<std::uint8_t>(value & 0xFF));
  }
  const long long v = ToneTenths(LeadingNumber(text));
  // Zero is no tone; a negative number or one beyond 16 bits has no place in
  // the word and is stored as no tone rather than wrapped into another.
  if (v <= 0 || v > 0xFFFF) return kNoTone;
  return static_cast<ToneWord>(v);
}

std::string DecodeChoice(const ChannelColumnDef& column, std::uint8_t stored, Language language) {
  const std::uint8_t bits = stored & column.mask;
  for (const ColumnValue& value : column.values)
    if (value.bits == bits) return (*value.word)(language);
  return (*column.values[column.unknownValue].word)(language);
}

std::uint8_t EncodeChoice(const ChannelColumnDef& column, std::uint8_t stored, const std::string& text) {
  std::uint8_t bits = column.values[column.unknownValue].bits;
  for (const ColumnValue& value : column.values)
    if (Is(text, *value.word)) {
      bits = value.bits;
      break;
    }
  return WithBits(stored, column.mask, bits);
}

std::string DecodeScan(bool inScanList, Language language) {
  return DecodeChoice(ColumnRow(kColScan), inScanList ? 1 : 0, language);
}

bool EncodeScan(const std::string& text) { return EncodeChoice(ColumnRow(kColScan), 0, text) != 0; }

bool OnChannelRaster(long long n) { return n % 500 == 0 || n % 625 == 0; }
