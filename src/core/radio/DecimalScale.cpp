#include "core/radio/DecimalScale.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int kSignificantDigits = 15;

// Two 15-digit mantissas multiply to at most 30 digits, which needs 100 bits.
__extension__ typedef unsigned __int128 Wide;

// value = (negative ? -1 : 1) * digits * 10^exponent, digits < 10^15.
struct Decimal15 {
  bool negative = false;
  std::uint64_t digits = 0;
  int exponent = 0;
};

Decimal15 ToDecimal15(double x) {
  // "d.dddddddddddddde+XX": scientific with 14 decimals is exactly 15
  // significant digits, correctly rounded and independent of the locale.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, kSignificantDigits - 1);
  Decimal15 d;
  const char* p = buf;
  if (p < res.ptr && *p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p < res.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits = d.digits * 10 + static_cast<unsigned>(*p - '0');
  }
  int e = 0;
  if (p < res.ptr) {
    ++p;  // 'e'
    if (p < res.ptr && *p == '+') ++p;
    std::from_chars(p, res.ptr, e);
  }
  d.exponent = e - (kSignificantDigits - 1);
  return d;
}

// Writes the decimal digits of v (v > 0) ending at `end`; returns the start.
char* WriteDigits(Wide v, char* end) {
  char* p = end;
  do {
    *--p = static_cast<char>('0' + static_cast<int>(v % 10));
    v /= 10;
  } while (v != 0);
  return p;
}

}  // namespace

double DecimalScale(double x, double factor) {
  if (!std::isfinite(x) || !std::isfinite(factor)) return x * factor;

  const Decimal15 a = ToDecimal15(x);
  const Decimal15 b = ToDecimal15(factor);
  const bool negative = a.negative != b.negative;
  const Wide product = static_cast<Wide>(a.digits) * b.digits;
  if (product == 0) return negative ? -0.0 : 0.0;
  const int exponent = a.exponent + b.exponent;

  // "<digits>e<exponent>": from_chars rounds it correctly to the nearest double.
  char buf[80];
  char* const digitsEnd = buf + 40;
  char* const digits = WriteDigits(product, digitsEnd);
  char* p = digitsEnd;
  *p++ = 'e';
  p = std::to_chars(p, buf + sizeof buf, exponent).ptr;

  double result = 0.0;
  const auto parsed = std::from_chars(digits, p, result);
  if (parsed.ec == std::errc::result_out_of_range) {
    // The decimal exponent of the leading digit tells overflow from underflow.
    const long magnitude = static_cast<long>(digitsEnd - digits) - 1 + exponent;
    result = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -result : result;
}

long long TruncateToInteger(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (value >= kTwoTo63) return std::numeric_limits<long long>::max();
  if (value < -kTwoTo63) return std::numeric_limits<long long>::min();
  return static_cast<long long>(value);
}
