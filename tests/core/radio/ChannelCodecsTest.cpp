#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CaseText.h"

#include "core/radio/BandText.h"
#include "core/radio/ChannelCodecs.h"
#include "support/TestSeed.h"

namespace {

using Bytes4 = std::array<std::uint8_t, 4>;
constexpr Bytes4 kNotSet{0xFF, 0xFF, 0xFF, 0xFF};

std::string Hex(const Bytes4& b) {
  char text[32];
  std::snprintf(text, sizeof text, "%02X %02X %02X %02X", b[0], b[1], b[2], b[3]);
  return text;
}

// --- frequencies ----------------------------------------------------------

struct EncodeFrequencyCase {
  std::string text;
  Bytes4 bytes;
};

void PrintTo(const EncodeFrequencyCase& c, std::ostream* os) { *os << Quoted(c.text); }

class EncodeFrequencyCases : public ::testing::TestWithParam<EncodeFrequencyCase> {};

TEST_P(EncodeFrequencyCases, Bytes) {
  EXPECT_EQ(Hex(EncodeFrequency(GetParam().text)), Hex(GetParam().bytes)) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeFrequencyCases,
    ::testing::Values(EncodeFrequencyCase{"446.00625", {0x25, 0x06, 0x60, 0x44}},
                      EncodeFrequencyCase{"136.0125", {0x50, 0x12, 0x60, 0x13}},  // binary would give ...49
                      EncodeFrequencyCase{"136.125", {0x00, 0x25, 0x61, 0x13}},
                      EncodeFrequencyCase{"  446,5", {0x00, 0x00, 0x60, 0x44}},
                      EncodeFrequencyCase{"446.006249", {0x24, 0x06, 0x60, 0x44}},  // truncated, not rounded
                      EncodeFrequencyCase{"999.99999", {0x99, 0x99, 0x99, 0x99}},
                      EncodeFrequencyCase{"0.00001", {0x01, 0x00, 0x00, 0x00}}, EncodeFrequencyCase{"", kNotSet},
                      EncodeFrequencyCase{"0", kNotSet}, EncodeFrequencyCase{"abc", kNotSet},
                      EncodeFrequencyCase{"0.000001", kNotSet},
                      // Beyond eight digits the top pair runs on into the high nibble while
                      // the byte holds it; past 1599.99999 the byte would wrap.
                      EncodeFrequencyCase{"1000", {0x00, 0x00, 0x00, 0xA0}},
                      EncodeFrequencyCase{"1599.99999", {0x99, 0x99, 0x99, 0xF9}}, EncodeFrequencyCase{"1600", kNotSet},
                      EncodeFrequencyCase{"-446.00625", kNotSet}, EncodeFrequencyCase{std::string(40, '4'), kNotSet},
                      EncodeFrequencyCase{"1e309", kNotSet}));

struct DecodeFrequencyCase {
  Bytes4 bytes;
  std::string text;
};

void PrintTo(const DecodeFrequencyCase& c, std::ostream* os) {
  *os << HexByte(c.bytes[0]) + " " + HexByte(c.bytes[1]) + " " + HexByte(c.bytes[2]) + " " + HexByte(c.bytes[3]);
}

class DecodeFrequencyCases : public ::testing::TestWithParam<DecodeFrequencyCase> {};

TEST_P(DecodeFrequencyCases, Text) {
  EXPECT_EQ(DecodeFrequency(GetParam().bytes.data()), GetParam().text) << Hex(GetParam().bytes);
  EXPECT_EQ(FrequencyIsSet(GetParam().bytes.data()), !GetParam().text.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, DecodeFrequencyCases,
                         ::testing::Values(DecodeFrequencyCase{{0x25, 0x06, 0x60, 0x44}, "446.00625"},
                                           DecodeFrequencyCase{{0x00, 0x25, 0x61, 0x13}, "136.12500"},
                                           DecodeFrequencyCase{{0x00, 0x00, 0x00, 0x01}, "10.00000"},
                                           DecodeFrequencyCase{{0x25, 0x06, 0x60, 0x00}, ""},
                                           DecodeFrequencyCase{{0x25, 0x06, 0x60, 0xFF}, ""},
                                           DecodeFrequencyCase{{0xFF, 0xFF, 0xFF, 0xFF}, ""},
                                           // Nibbles above 9 are taken as they are.
                                           DecodeFrequencyCase{{0x0A, 0x00, 0x00, 0x01}, "10.00010"},
                                           DecodeFrequencyCase{{0xFF, 0xFF, 0xFF, 0xFE}, "1656.66665"}));

// The decoder's integer arithmetic must print what v * 0.00001 with "%3.5f"
// prints, for every byte pattern.
TEST(DecodeFrequency, MatchesPrintfOfTheScaledValueOnRandomBytes) {
  std::mt19937 rng(TestSeed());
  for (int i = 0; i < 20000; ++i) {
    Bytes4 b{};
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    if (b[3] == 0x00 || b[3] == 0xFF) b[3] = 0x44;
    long long v = 0;
    for (int k = 3; k >= 0; --k) v = v * 100 + (b[k] >> 4) * 10 + (b[k] & 0x0F);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%3.5f", static_cast<double>(v) * 0.00001);
    ASSERT_EQ(DecodeFrequency(b.data()), expected) << Hex(b);
  }
}

// Every raster frequency of a band, as the cell editor writes it ("%3.5f"),
// must survive the trip into the record and back unchanged.
class RasterRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RasterRoundTrip, TextBytesText) {
  const BandLimits band = BandLimitsFromText(GetParam());
  int checked = 0;
  for (long long n = band.lower; n <= band.upper; ++n) {
    if (!OnChannelRaster(n)) continue;
    char text[32];
    std::snprintf(text, sizeof text, "%3.5f", static_cast<double>(n) * 0.00001);
    ASSERT_EQ(FrequencyUnits(LeadingNumber(text)), n) << text;
    const Bytes4 bytes = EncodeFrequency(text);
    ASSERT_EQ(DecodeFrequency(bytes.data()), text) << Hex(bytes);
    ++checked;
  }
  // 5 kHz and 6.25 kHz steps over the band, common 25 kHz points once.
  const long long span = band.upper - band.lower;
  EXPECT_EQ(checked, span / 500 + span / 625 - span / 2500 + 1);
}

INSTANTIATE_TEST_SUITE_P(Bands, RasterRoundTrip, ::testing::Values("136-174", "400-470", "350-390", "450-520MHz"));

// --- tones ----------------------------------------------------------------

struct EncodeToneCase {
  std::string text;
  ToneWord word;
};

void PrintTo(const EncodeToneCase& c, std::ostream* os) { *os << Quoted(c.text); }

class EncodeToneCases : public ::testing::TestWithParam<EncodeToneCase> {};

TEST_P(EncodeToneCases, Word) {
  EXPECT_EQ(EncodeTone(GetParam().text), GetParam().word) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeToneCases,
    ::testing::Values(EncodeToneCase{"D023N", 0x2813}, EncodeToneCase{"D754I", 0xA9EC}, EncodeToneCase{"D411N", 0x2909},
                      EncodeToneCase{"D017N", 0x280F}, EncodeToneCase{"D050I", 0xA828}, EncodeToneCase{"D999N", 0x2900},
                      EncodeToneCase{"D372N", 0x2900},  // not a code, but past the high-bit line
                      EncodeToneCase{"D02", 0xA800},    // code 000 inverted
                      EncodeToneCase{"D", 0xA800},
                      // The first character is dropped, whatever it is.
                      EncodeToneCase{"XD023N", 0x2800}, EncodeToneCase{" D023N", 0x2800},
                      EncodeToneCase{"D-23N", 0x2800}, EncodeToneCase{"D99999999999999999999999N", 0x2900},
                      EncodeToneCase{"d023n", 0xFFFF},  // no capital D: the number 0
                      EncodeToneCase{"88.5", 0x0375}, EncodeToneCase{"254.1", 0x09ED}, EncodeToneCase{"100", 0x03E8},
                      EncodeToneCase{"88.59", 0x0375}, EncodeToneCase{"None", 0xFFFF}, EncodeToneCase{"无", 0xFFFF},
                      EncodeToneCase{"", 0xFFFF}, EncodeToneCase{"0.05", 0xFFFF},
                      // Typed with Enter, a large number lands on the DCS markers.
                      EncodeToneCase{"1024", 0x2800}, EncodeToneCase{"6553.4", 0xFFFE},
                      // No place in 16 bits: stored as no tone instead of wrapping.
                      EncodeToneCase{"6553.6", 0xFFFF}, EncodeToneCase{"1e40", 0xFFFF},
                      EncodeToneCase{"-88.5", 0xFFFF}));

struct DecodeToneCase {
  ToneWord word;
  std::string noTone;
  std::string text;
};

void PrintTo(const DecodeToneCase& c, std::ostream* os) { *os << HexWord(c.word) + " " + Quoted(c.noTone); }

class DecodeToneCases : public ::testing::TestWithParam<DecodeToneCase> {};

TEST_P(DecodeToneCases, Text) {
  EXPECT_EQ(DecodeTone(GetParam().word, GetParam().noTone), GetParam().text) << std::hex << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeToneCases,
    ::testing::Values(DecodeToneCase{0xFFFF, "None", "None"}, DecodeToneCase{0x00FF, "无", "无"},
                      DecodeToneCase{0x0000, "None", "None"}, DecodeToneCase{0xFF12, "", ""},
                      DecodeToneCase{0x2813, "None", "D023N"}, DecodeToneCase{0x29EC, "", "D754N"},
                      DecodeToneCase{0xA9EC, "None", "D754I"}, DecodeToneCase{0x280F, "None", "D017N"},
                      DecodeToneCase{0x2800, "None", "D000N"},  // value 0: no such code
                      DecodeToneCase{0x28FF, "None", "D000N"}, DecodeToneCase{0xA9FF, "None", "D000I"},
                      DecodeToneCase{0xA913, "None", "D423I"}, DecodeToneCase{0x0375, "None", "88.5"},
                      DecodeToneCase{0x03E8, "None", "100.0"}, DecodeToneCase{0x09ED, "None", "254.1"},
                      DecodeToneCase{0x0100, "None", "25.6"}, DecodeToneCase{0x2A00, "None", "1075.2"},
                      DecodeToneCase{0xFE00, "None", "6502.4"}));

TEST(Tone, CtcssWordsPrintLikePrintfOfTheScaledValue) {
  for (int word = 0x0100; word < 0xFF00; ++word) {
    const int high = word >> 8;
    if ((high & 0xFE) == 0x28 || (high & 0xFE) == 0xA8) continue;
    char expected[32];
    std::snprintf(expected, sizeof expected, "%3.1f", word * 0.1);
    ASSERT_EQ(DecodeTone(static_cast<ToneWord>(word), "None"), expected) << word;
    // Printed CTCSS texts read back as the same word.
    ASSERT_EQ(EncodeTone(expected), word) << expected;
  }
}

// --- flag fields ----------------------------------------------------------

enum class Field { Bandwidth, BusyLock, Power };

struct FlagCase {
  Field field;
  std::uint8_t before;
  std::string text;
  std::uint8_t after;
};

void PrintTo(const FlagCase& c, std::ostream* os) {
  *os << std::string(c.field == Field::Bandwidth  ? "bandwidth "
                     : c.field == Field::BusyLock ? "busy lock "
                                                  : "power ") +
             HexByte(c.before) + " " + Quoted(c.text);
}

const ChannelColumnDef& ColumnOf(Field f) {
  switch (f) {
    case Field::Bandwidth: return ColumnRow(kColBandwidth);
    case Field::BusyLock: return ColumnRow(kColBusyLock);
    case Field::Power: break;
  }
  return ColumnRow(kColPower);
}

std::uint8_t EncodeField(Field f, std::uint8_t byte, const std::string& text) {
  return EncodeChoice(ColumnOf(f), byte, text);
}

std::string DecodeField(Field f, std::uint8_t byte, Language language) {
  return DecodeChoice(ColumnOf(f), byte, language);
}

std::uint8_t MaskOf(Field f) {
  switch (f) {
    case Field::Bandwidth: return 0x10;
    case Field::BusyLock: return 0x18;
    case Field::Power: return 0x60;
  }
  return 0;
}

class EncodeFlagCases : public ::testing::TestWithParam<FlagCase> {};

TEST_P(EncodeFlagCases, Bits) {
  const FlagCase& c = GetParam();
  EXPECT_EQ(EncodeField(c.field, c.before, c.text), c.after) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeFlagCases,
    ::testing::Values(FlagCase{Field::Bandwidth, 0x00, "Wide", 0x10}, FlagCase{Field::Bandwidth, 0xFF, "Narrow", 0xEF},
                      FlagCase{Field::Bandwidth, 0xFF, "窄", 0xEF}, FlagCase{Field::Bandwidth, 0x00, "宽", 0x10},
                      FlagCase{Field::Bandwidth, 0x00, "", 0x10},
                      FlagCase{Field::Bandwidth, 0x10, "narrow", 0x10},  // exact comparison
                      FlagCase{Field::Bandwidth, 0x10, "Narrow ", 0x10}, FlagCase{Field::BusyLock, 0xFF, "Off", 0xE7},
                      FlagCase{Field::BusyLock, 0xFF, "关", 0xE7}, FlagCase{Field::BusyLock, 0x00, "Carrier", 0x08},
                      FlagCase{Field::BusyLock, 0xFF, "载波", 0xEF}, FlagCase{Field::BusyLock, 0x08, "QT/DQT", 0x10},
                      FlagCase{Field::BusyLock, 0xFF, "", 0xF7}, FlagCase{Field::BusyLock, 0x18, "off", 0x10},
                      FlagCase{Field::Power, 0xFF, "High", 0xBF}, FlagCase{Field::Power, 0x00, "高", 0x20},
                      FlagCase{Field::Power, 0x00, "Middle", 0x40}, FlagCase{Field::Power, 0xFF, "中", 0xDF},
                      FlagCase{Field::Power, 0xFF, "Low", 0x9F}, FlagCase{Field::Power, 0x60, "低", 0x00},
                      FlagCase{Field::Power, 0x40, "", 0x20}, FlagCase{Field::Power, 0x00, "Maximum", 0x20}));

struct DecodeFlagCase {
  Field field;
  std::uint8_t bits;  // within the field's mask
  const char* english;
  const char* chinese;
};

void PrintTo(const DecodeFlagCase& c, std::ostream* os) { *os << std::string(c.english) + " " + HexByte(c.bits); }

class DecodeFlagCases : public ::testing::TestWithParam<DecodeFlagCase> {};

// Whatever the other bits hold, only the field's own bits decide the text.
TEST_P(DecodeFlagCases, TextForEveryByteWithTheseBits) {
  const DecodeFlagCase& c = GetParam();
  for (int other = 0; other < 256; ++other) {
    const auto byte = static_cast<std::uint8_t>((other & ~MaskOf(c.field)) | c.bits);
    ASSERT_EQ(DecodeField(c.field, byte, Language::English), c.english) << other;
    ASSERT_EQ(DecodeField(c.field, byte, Language::Chinese), c.chinese) << other;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, DecodeFlagCases,
                         ::testing::Values(DecodeFlagCase{Field::Bandwidth, 0x10, "Wide", "宽"},
                                           DecodeFlagCase{Field::Bandwidth, 0x00, "Narrow", "窄"},
                                           DecodeFlagCase{Field::BusyLock, 0x00, "Off", "关"},
                                           DecodeFlagCase{Field::BusyLock, 0x08, "Carrier", "载波"},
                                           DecodeFlagCase{Field::BusyLock, 0x10, "QT/DQT", "QT/DQT"},
                                           DecodeFlagCase{Field::BusyLock, 0x18, "QT/DQT", "QT/DQT"},
                                           DecodeFlagCase{Field::Power, 0x00, "Low", "低"},
                                           DecodeFlagCase{Field::Power, 0x20, "High", "高"},
                                           DecodeFlagCase{Field::Power, 0x40, "Middle", "中"},
                                           DecodeFlagCase{Field::Power, 0x60, "High", "高"}));

// Each encoder owns only its bits, and every decoded text encodes back to the
// bits it came from (the reading 11 gives encodes as its canonical form).
TEST(FlagFields, EncodersKeepForeignBitsAndRoundTrip) {
  const std::vector<std::string> texts = {"Wide",   "Narrow", "宽", "窄",  "Off", "关",     "Carrier", "载波",
                                          "QT/DQT", "High",   "中", "Low", "",    "Middle", "garbage"};
  for (Field f : {Field::Bandwidth, Field::BusyLock, Field::Power}) {
    const std::uint8_t mask = MaskOf(f);
    for (int byte = 0; byte < 256; ++byte) {
      const auto b = static_cast<std::uint8_t>(byte);
      for (const std::string& t : texts) ASSERT_EQ(EncodeField(f, b, t) & ~mask, b & ~mask) << t << " " << byte;
      for (Language language : {Language::English, Language::Chinese}) {
        const std::uint8_t back = EncodeField(f, static_cast<std::uint8_t>(~b), DecodeField(f, b, language));
        ASSERT_EQ(DecodeField(f, back, language), DecodeField(f, b, language)) << byte;
      }
    }
  }
}

// Every word column of the rows, those to come included: each word stores its
// own bits in either language, keeps the bits the column does not own and
// reads back as itself.
TEST(WordColumns, EveryWordStoresItsBitsAndReadsBack) {
  for (const ChannelColumnDef& column : kChannelColumnRows) {
    if (!column.IsChoice()) continue;
    for (int byte = 0; byte < 256; ++byte) {
      const auto b = static_cast<std::uint8_t>(byte);
      for (const ColumnValue& value : column.values)
        for (Language language : {Language::English, Language::Chinese}) {
          const std::string word = (*value.word)(language);
          const std::uint8_t stored = EncodeChoice(column, b, word);
          ASSERT_EQ(stored, (b & ~column.mask) | value.bits) << column.title(Language::English) << " " << word;
          ASSERT_EQ(DecodeChoice(column, stored, language), word) << column.title(Language::English) << " " << byte;
        }
    }
  }
}

struct ScanCase {
  std::string text;
  bool inList;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << Quoted(c.text); }

class ScanCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanCases, Encode) { EXPECT_EQ(EncodeScan(GetParam().text), GetParam().inList) << GetParam().text; }

INSTANTIATE_TEST_SUITE_P(Table, ScanCases,
                         ::testing::Values(ScanCase{"No", false}, ScanCase{"否", false}, ScanCase{"Yes", true},
                                           ScanCase{"是", true}, ScanCase{"", true}, ScanCase{"no", true},
                                           ScanCase{"NO", true}));

TEST(Scan, Decode) {
  EXPECT_EQ(DecodeScan(true, Language::English), "Yes");
  EXPECT_EQ(DecodeScan(false, Language::English), "No");
  EXPECT_EQ(DecodeScan(true, Language::Chinese), "是");
  EXPECT_EQ(DecodeScan(false, Language::Chinese), "否");
}

// --- step and band rules --------------------------------------------------

struct RasterCase {
  long long n;
  bool on;
};

void PrintTo(const RasterCase& c, std::ostream* os) { *os << std::to_string(c.n); }

class RasterCases : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterCases, StepRule) { EXPECT_EQ(OnChannelRaster(GetParam().n), GetParam().on) << GetParam().n; }

INSTANTIATE_TEST_SUITE_P(Table, RasterCases,
                         ::testing::Values(RasterCase{14500625, true}, RasterCase{14500500, true},
                                           RasterCase{14500300, false}, RasterCase{44600625, true},
                                           RasterCase{44600300, false}, RasterCase{1250, true}, RasterCase{1, false},
                                           RasterCase{0, true}, RasterCase{-625, true},
                                           RasterCase{std::numeric_limits<long long>::min(), false}));

struct BandCase {
  std::string text;
  long long lower;
  long long upper;
};

void PrintTo(const BandCase& c, std::ostream* os) { *os << Quoted(c.text); }

class BandCases : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandCases, Limits) {
  const BandLimits b = BandLimitsFromText(GetParam().text);
  EXPECT_EQ(b.lower, GetParam().lower) << GetParam().text;
  EXPECT_EQ(b.upper, GetParam().upper) << GetParam().text;
}

constexpr long long kSaturatedBand = (std::numeric_limits<long long>::max() / 100000 - 1) * 100000;

INSTANTIATE_TEST_SUITE_P(
    Table, BandCases,
    ::testing::Values(BandCase{"400-470", 40000000, 47100000}, BandCase{"130 - 160MHz", 13000000, 16100000},
                      BandCase{"136-174MHz", 13600000, 17500000}, BandCase{"400-470-520", 40000000, 47100000},
                      BandCase{"450", 45000000, 45100000}, BandCase{"", 0, 100000}, BandCase{"UHF", 0, 100000},
                      BandCase{"-5", -500000, 600000},
                      BandCase{std::string(30, '9') + "-" + std::string(30, '9'), kSaturatedBand, kSaturatedBand},
                      BandCase{"-" + std::string(30, '9'), -kSaturatedBand, kSaturatedBand}));

// What each form of band text takes: the command line's exactly LOW-HIGH,
// Program.ini's with blanks and a unit; both a band a channel can hold.
struct BandTextCase {
  std::string text;
  BandTextError exact;
  BandTextError profile;
};

void PrintTo(const BandTextCase& c, std::ostream* os) { *os << Quoted(c.text); }

class BandTextCases : public ::testing::TestWithParam<BandTextCase> {};

TEST_P(BandTextCases, Errors) {
  const BandTextCase& c = GetParam();
  EXPECT_EQ(ParseBandText(c.text, BandTextForm::Exact).error, c.exact);
  EXPECT_EQ(ParseBandText(c.text, BandTextForm::Profile).error, c.profile);
  EXPECT_EQ(ParseBandText(c.text, BandTextForm::Exact).limits.upper, BandLimitsFromText(c.text).upper);
}

using E = BandTextError;
INSTANTIATE_TEST_SUITE_P(
    Table, BandTextCases,
    ::testing::Values(
        BandTextCase{"400-470", E::None, E::None}, BandTextCase{"400-470MHz", E::NotLowHigh, E::None},
        BandTextCase{"130 - 160MHz", E::NotLowHigh, E::None}, BandTextCase{"4e2-470", E::NotLowHigh, E::NotLowHigh},
        BandTextCase{"400-470abc", E::NotLowHigh, E::None}, BandTextCase{"400", E::NotLowHigh, E::NotLowHigh},
        BandTextCase{"400-", E::NotLowHigh, E::NotLowHigh}, BandTextCase{"-470", E::NotLowHigh, E::NotLowHigh},
        BandTextCase{"+400-470", E::NotLowHigh, E::NotLowHigh},
        BandTextCase{"470-400", E::NotAscending, E::NotAscending},
        BandTextCase{"400-400", E::NotAscending, E::NotAscending}, BandTextCase{"1-30", E::NotStorable, E::NotStorable},
        BandTextCase{"10-1598", E::None, E::None}, BandTextCase{"9-30", E::NotStorable, E::NotStorable},
        BandTextCase{"10-1599", E::NotStorable, E::NotStorable},
        BandTextCase{"10-" + std::string(30, '9'), E::NotStorable, E::NotStorable}));

TEST(BandLimits, UpperEdgeIsOneMegahertzAboveAndInclusive) {
  const BandLimits b = BandLimitsFromText("400-470");
  EXPECT_TRUE(b.Contains(FrequencyUnits(LeadingNumber("400.00000"))));
  EXPECT_TRUE(b.Contains(FrequencyUnits(LeadingNumber("471.00000"))));
  EXPECT_FALSE(b.Contains(FrequencyUnits(LeadingNumber("471.00500"))));
  EXPECT_FALSE(b.Contains(FrequencyUnits(LeadingNumber("399.99375"))));
}

}  // namespace
