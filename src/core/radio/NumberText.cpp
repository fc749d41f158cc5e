#include "core/radio/NumberText.h"

#include <charconv>
#include <limits>
#include <system_error>

#include "core/lang/AsciiText.h"

namespace {

// Skips the blanks and the sign; returns true for a minus.
bool SkipBlanksAndSign(const char*& p, const char* end) {
  while (p < end && IsAsciiSpace(*p)) ++p;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  return negative;
}

constexpr long long kExponentCap = 1000000;  // far beyond any double

// Order of magnitude of a number that from_chars found out of range, to tell
// overflow from underflow. [digits, end) holds the unsigned number.
long long MagnitudeOf(const char* p, const char* end) {
  long long intDigits = 0;
  bool seenNonZero = false;
  for (; p < end && IsAsciiDigit(*p); ++p) {
    if (*p != '0') seenNonZero = true;
    if (seenNonZero) ++intDigits;
  }
  long long leadingFractionZeros = 0;
  if (p < end && *p == '.') {
    for (++p; p < end && IsAsciiDigit(*p); ++p) {
      if (!seenNonZero && *p == '0')
        ++leadingFractionZeros;
      else
        seenNonZero = true;
    }
  }
  long long exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    for (; p < end && IsAsciiDigit(*p); ++p)
      if (exponent < kExponentCap) exponent = exponent * 10 + (*p - '0');
    if (negative) exponent = -exponent;
  }
  const long long base = intDigits > 0 ? intDigits - 1 : -(leadingFractionZeros + 1);
  return base + exponent;
}

}  // namespace

double LeadingNumber(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = SkipBlanksAndSign(p, end);

  const char* const start = p;
  const char* q = p;
  bool anyDigit = false;
  while (q < end && IsAsciiDigit(*q)) ++q, anyDigit = true;
  if (q < end && *q == '.') {
    ++q;
    while (q < end && IsAsciiDigit(*q)) ++q, anyDigit = true;
  }
  if (!anyDigit) return 0.0;
  if (q < end && (*q == 'e' || *q == 'E')) {
    const char* e = q + 1;
    if (e < end && (*e == '+' || *e == '-')) ++e;
    if (e < end && IsAsciiDigit(*e)) {
      while (e < end && IsAsciiDigit(*e)) ++e;
      q = e;
    }
  }

  double value = 0.0;
  const auto res = std::from_chars(start, q, value, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    value = MagnitudeOf(start, q) > 0 ? std::numeric_limits<double>::max() : 0.0;
  } else if (res.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

long long LeadingInteger(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = SkipBlanksAndSign(p, end);
  // Accumulate toward the negative side, which holds one more value.
  constexpr long long kMin = std::numeric_limits<long long>::min();
  long long value = 0;
  for (; p < end && IsAsciiDigit(*p); ++p) {
    const int digit = *p - '0';
    if (value < (kMin + digit) / 10) {
      value = kMin;
      continue;
    }
    value = value * 10 - digit;
  }
  if (negative) return value;
  return value == kMin ? std::numeric_limits<long long>::max() : -value;
}

PlainDecimal ReadPlainDecimal(const std::string& text, int places, long long& units) {
  units = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (negative) ++p;
  const auto grow = [](long long v, int digit) {
    return v >= kPlainDecimalLimit / 10 ? kPlainDecimalLimit : v * 10 + digit;
  };
  bool anyDigit = false;
  bool tooFine = false;
  int fraction = -1;  // digits taken after the point; -1 before it
  for (; p < end; ++p) {
    if (*p == '.' && fraction < 0) {
      fraction = 0;
      continue;
    }
    if (!IsAsciiDigit(*p)) return PlainDecimal::NotANumber;
    anyDigit = true;
    const int digit = *p - '0';
    if (fraction >= places) {
      tooFine = tooFine || digit != 0;
      continue;
    }
    if (fraction >= 0) ++fraction;
    units = grow(units, digit);
  }
  if (!anyDigit) {
    units = 0;
    return PlainDecimal::NotANumber;
  }
  for (int f = fraction < 0 ? 0 : fraction; f < places; ++f) units = grow(units, 0);
  if (negative && (units != 0 || tooFine)) return PlainDecimal::Negative;
  return tooFine ? PlainDecimal::TooFine : PlainDecimal::Ok;
}

std::string FormatFixed(double value, int decimals) {
  if (decimals < 0) decimals = 0;
  if (decimals > 40) decimals = 40;
  // The largest double has 309 integer digits.
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (res.ec != std::errc()) return std::string();
  return std::string(buf, res.ptr);
}
