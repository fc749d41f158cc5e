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

// printf's "%3.<decimals>f" in the "C" locale (the width 3 never pads a
// number with at least one decimal).
std::string FormatFixed(double value, int decimals);
