#include <cfloat>
#include <cstdio>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "CaseText.h"

#include "core/radio/NumberText.h"

namespace {

constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

struct NumberCase {
  std::string text;
  double expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << Quoted(c.text); }

class LeadingNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumberCases, Reads) {
  EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumberCases,
    ::testing::Values(NumberCase{"", 0.0}, NumberCase{"abc", 0.0}, NumberCase{"446.00625", 446.00625},
                      NumberCase{" \t\n446.5MHz", 446.5}, NumberCase{"+1.5", 1.5}, NumberCase{"-2", -2.0},
                      NumberCase{".5", 0.5}, NumberCase{"5.", 5.0}, NumberCase{".", 0.0}, NumberCase{"-.", 0.0},
                      NumberCase{"1e3", 1000.0}, NumberCase{"1E-2x", 0.01}, NumberCase{"1e", 1.0},
                      NumberCase{"1e+", 1.0}, NumberCase{"2e+x", 2.0}, NumberCase{"1.5.5", 1.5},
                      // A comma is never a decimal point, whatever the process locale.
                      NumberCase{"446,5", 446.0}, NumberCase{"- 5", 0.0}, NumberCase{"--5", 0.0},
                      // Only the plain decimal grammar counts.
                      NumberCase{"inf", 0.0}, NumberCase{"nan", 0.0}, NumberCase{"0x1p3", 0.0},
                      NumberCase{"D023N", 0.0}, NumberCase{"88.5Hz", 88.5},
                      // Beyond the double range: saturate, or vanish to zero.
                      NumberCase{"1e999", DBL_MAX}, NumberCase{"-1e999", -DBL_MAX},
                      NumberCase{"1e99999999999999999999999", DBL_MAX}, NumberCase{"1e-999", 0.0},
                      NumberCase{"0.000001e-400", 0.0}, NumberCase{"0e99999", 0.0},
                      NumberCase{std::string(400, '9'), DBL_MAX}, NumberCase{"0." + std::string(400, '0') + "1", 0.0},
                      NumberCase{std::string(40, '1') + ".5", 1111111111111111111111111111111111111111.5}));

struct IntegerCase {
  std::string text;
  long long expected;
};

void PrintTo(const IntegerCase& c, std::ostream* os) { *os << Quoted(c.text); }

class LeadingIntegerCases : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(LeadingIntegerCases, Reads) {
  EXPECT_EQ(LeadingInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingIntegerCases,
    ::testing::Values(IntegerCase{"", 0}, IntegerCase{"x1", 0}, IntegerCase{"42abc", 42}, IntegerCase{"  -17", -17},
                      IntegerCase{"+8", 8}, IntegerCase{"12.9", 12}, IntegerCase{"023N", 23},
                      IntegerCase{" 160MHz", 160}, IntegerCase{"-", 0}, IntegerCase{"9223372036854775807", kMax},
                      IntegerCase{"9223372036854775808", kMax}, IntegerCase{"-9223372036854775808", kMin},
                      IntegerCase{"-9223372036854775809", kMin}, IntegerCase{std::string(60, '9'), kMax},
                      IntegerCase{"-" + std::string(60, '9'), kMin}));

struct PlainCase {
  std::string text;
  PlainDecimal result;
  long long units;  // at two places
};

void PrintTo(const PlainCase& c, std::ostream* os) { *os << Quoted(c.text); }

class PlainDecimalCases : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainDecimalCases, Reads) {
  long long units = -1;
  EXPECT_EQ(ReadPlainDecimal(GetParam().text, 2, units), GetParam().result);
  if (GetParam().result == PlainDecimal::Ok) EXPECT_EQ(units, GetParam().units);
}

using P = PlainDecimal;
INSTANTIATE_TEST_SUITE_P(Table, PlainDecimalCases,
                         ::testing::Values(PlainCase{"5", P::Ok, 500}, PlainCase{"0.6", P::Ok, 60},
                                           PlainCase{".5", P::Ok, 50}, PlainCase{"5.", P::Ok, 500},
                                           PlainCase{"1.250000", P::Ok, 125}, PlainCase{"-0.00", P::Ok, 0},
                                           PlainCase{std::string(40, '9'), P::Ok, kPlainDecimalLimit},
                                           PlainCase{"1.255", P::TooFine, 0}, PlainCase{"-5.0", P::Negative, 0},
                                           PlainCase{"-1.255", P::Negative, 0}, PlainCase{"", P::NotANumber, 0},
                                           PlainCase{".", P::NotANumber, 0}, PlainCase{"-", P::NotANumber, 0},
                                           PlainCase{"abc", P::NotANumber, 0}, PlainCase{"nan", P::NotANumber, 0},
                                           PlainCase{"inf", P::NotANumber, 0}, PlainCase{"1e3", P::NotANumber, 0},
                                           PlainCase{"+5", P::NotANumber, 0}, PlainCase{" 5", P::NotANumber, 0},
                                           PlainCase{"5 ", P::NotANumber, 0}, PlainCase{"1.2.3", P::NotANumber, 0},
                                           PlainCase{"5,0", P::NotANumber, 0}));

// printf in the "C" locale (the tests never change it) is the reference.
class FormatFixedMatchesPrintf : public ::testing::TestWithParam<double> {};

TEST_P(FormatFixedMatchesPrintf, FiveAndOneDecimals) {
  const double v = GetParam();
  char five[512];
  char one[512];
  std::snprintf(five, sizeof five, "%3.5f", v);
  std::snprintf(one, sizeof one, "%3.1f", v);
  EXPECT_EQ(FormatFixed(v, 5), five);
  EXPECT_EQ(FormatFixed(v, 1), one);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatFixedMatchesPrintf,
                         ::testing::Values(446.00625, 136.0125, 88.5, 0.0, -0.5, 0.05, 0.25, 0.35, 254.15, 1e-7,
                                           999.999995, 1e300, -1e22, DBL_MAX));

}  // namespace
