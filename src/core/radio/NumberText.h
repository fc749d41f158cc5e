#pragma once
// Numbers read from and written to texts without the process locale: the GUI
// calls setlocale, and "446,5" must not become a number under a comma locale.
#include <string>

// The leading decimal number of a text: blanks, an optional sign, digits with
// an optional decimal point and fraction, an optional exponent. 0 when there
// is none. Beyond the double range it saturates at the largest finite double;
// "inf", "nan" and hexadecimal forms are not numbers here.
double LeadingNumber(const std::string& text);

// The leading whole number: blanks, an optional sign, digits. 0 when there is
// none; saturates at the limits of long long.
long long LeadingInteger(const std::string& text);

// A number written plainly, as a file or an option must give it: digits with
// an optional decimal point and fraction ("446.006250", "5", ".5"), nothing
// before or after them; no exponent, no blanks, no "inf" or "nan".
enum class PlainDecimal {
  Ok,
  NotANumber,
  Negative,  // a '-' before a number that is not zero
  TooFine,   // a digit other than 0 beyond the places asked for
};
// `units` = the number times 10^`places`, saturating at kPlainDecimalLimit.
PlainDecimal ReadPlainDecimal(const std::string& text, int places, long long& units);
constexpr long long kPlainDecimalLimit = 100000000000000000LL;  // 10^17: a sum of two still fits

// printf's "%3.<decimals>f" in the "C" locale (the width 3 never pads a
// number with at least one decimal).
std::string FormatFixed(double value, int decimals);
