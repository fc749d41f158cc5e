#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CaseText.h"

#include "core/radio/DecimalScale.h"
#include "support/TestSeed.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr long long kMax = std::numeric_limits<long long>::max();
constexpr long long kMin = std::numeric_limits<long long>::min();

struct ScaleCase {
  double x;
  double factor;
  double expected;
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << ShortDouble(c.x) + " * " + ShortDouble(c.factor); }

class DecimalScaleCases : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DecimalScaleCases, Product) {
  const ScaleCase& c = GetParam();
  const double got = DecimalScale(c.x, c.factor);
  if (std::isnan(c.expected)) {
    EXPECT_TRUE(std::isnan(got));
  } else {
    EXPECT_EQ(got, c.expected) << c.x << " * " << c.factor;
    EXPECT_EQ(std::signbit(got), std::signbit(c.expected));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecimalScaleCases,
    ::testing::Values(ScaleCase{446.00625, 100000.0, 44600625.0},
                      // In binary 136.0125 * 100000 is 13601249.999999998 and truncates one unit low.
                      ScaleCase{136.0125, 100000.0, 13601250.0}, ScaleCase{146.52, 100000.0, 14652000.0},
                      ScaleCase{1.005, 10.0, 10.05}, ScaleCase{88.5, 10.0, 885.0}, ScaleCase{0.1, 3.0, 0.3},
                      ScaleCase{-446.00625, 100000.0, -44600625.0}, ScaleCase{2.5, -4.0, -10.0},
                      ScaleCase{0.0, 100000.0, 0.0}, ScaleCase{-0.0, 100000.0, -0.0},
                      // 15 significant digits are kept; the 17th of a double is not.
                      ScaleCase{0.30000000000000004, 10.0, 3.0}, ScaleCase{123456789012345.0, 1.0, 123456789012345.0},
                      ScaleCase{1e308, 10.0, kInf}, ScaleCase{-1e308, 10.0, -kInf}, ScaleCase{1e-300, 1e-300, 0.0},
                      ScaleCase{kInf, 10.0, kInf}, ScaleCase{kNaN, 10.0, kNaN}, ScaleCase{10.0, kNaN, kNaN},
                      ScaleCase{kInf, 0.0, kNaN},
                      ScaleCase{std::numeric_limits<double>::max(), 1.0, kInf},  // rounds up to 1.8e308
                      ScaleCase{std::numeric_limits<double>::denorm_min(), 1.0, 4.94065645841247e-324}));

struct TruncateCase {
  double value;
  long long expected;
};

void PrintTo(const TruncateCase& c, std::ostream* os) { *os << ShortDouble(c.value); }

class TruncateCases : public ::testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateCases, TowardZeroAndSaturating) {
  EXPECT_EQ(TruncateToInteger(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, TruncateCases,
                         ::testing::Values(TruncateCase{1.9, 1}, TruncateCase{-1.9, -1},
                                           TruncateCase{44600625.0, 44600625}, TruncateCase{kNaN, 0},
                                           TruncateCase{kInf, kMax}, TruncateCase{-kInf, kMin},
                                           TruncateCase{1e300, kMax}, TruncateCase{-1e300, kMin},
                                           TruncateCase{9223372036854775808.0, kMax},
                                           TruncateCase{-9223372036854775808.0, kMin},
                                           TruncateCase{9223372036854774784.0, 9223372036854774784LL}));

// The exact product computed the slow way: digit strings multiplied by hand,
// then one correctly rounded conversion by the C library.
std::string MultiplyDigits(const std::string& a, const std::string& b) {
  std::vector<int> sum(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j) sum[i + j + 1] += (a[i] - '0') * (b[j] - '0');
  for (std::size_t k = sum.size() - 1; k > 0; --k) {
    sum[k - 1] += sum[k] / 10;
    sum[k] %= 10;
  }
  std::string out;
  for (int d : sum)
    if (!out.empty() || d != 0) out += static_cast<char>('0' + d);
  return out.empty() ? "0" : out;
}

struct RandomDecimal {
  bool negative;
  std::string digits;  // 1-15 digits, no leading zero
  int exponent;        // value = digits * 10^exponent
  double value;
};

RandomDecimal MakeDecimal(std::mt19937_64& rng) {
  RandomDecimal d;
  d.negative = rng() % 4 == 0;
  const int count = 1 + static_cast<int>(rng() % 15);
  d.digits += static_cast<char>('1' + rng() % 9);
  for (int i = 1; i < count; ++i) d.digits += static_cast<char>('0' + rng() % 10);
  d.exponent = static_cast<int>(rng() % 41) - 25;
  const std::string text = (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.exponent);
  d.value = std::strtod(text.c_str(), nullptr);
  return d;
}

TEST(DecimalScale, AgreesWithExactDecimalProductOnRandomInputs) {
  std::mt19937_64 rng(TestSeed());
  int mismatches = 0;
  for (int i = 0; i < 100000; ++i) {
    const RandomDecimal a = MakeDecimal(rng);
    const RandomDecimal b = MakeDecimal(rng);
    const std::string exact = (a.negative != b.negative ? "-" : "") + MultiplyDigits(a.digits, b.digits) + "e" +
                              std::to_string(a.exponent + b.exponent);
    const double expected = std::strtod(exact.c_str(), nullptr);
    const double got = DecimalScale(a.value, b.value);
    if (got != expected && mismatches++ < 10) {
      ADD_FAILURE() << a.digits << "e" << a.exponent << " * " << b.digits << "e" << b.exponent << ": got " << got
                    << ", exact " << exact;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
