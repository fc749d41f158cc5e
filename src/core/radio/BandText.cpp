#include "core/radio/BandText.h"

#include <algorithm>
#include <limits>

#include "core/lang/AsciiText.h"

namespace {

constexpr long long kUnitsPerMegahertz = 100000;  // units of 10 Hz

// Band numbers are scaled by 100000; saturate first so the product fits.
long long ScaleBandNumber(long long n) {
  constexpr long long kLimit = std::numeric_limits<long long>::max() / kUnitsPerMegahertz - 1;
  if (n > kLimit) n = kLimit;
  if (n < -kLimit) n = -kLimit;
  return n * kUnitsPerMegahertz;
}

// Where the digits of a whole number start at `at`: right there in the exact
// form, after blanks in the profile's. npos when no digit is there.
std::size_t DigitsAt(const std::string& text, std::size_t at, BandTextForm form) {
  if (form == BandTextForm::Profile) at = text.find_first_not_of(" \t", at);
  return at < text.size() && IsAsciiDigit(text[at]) ? at : std::string::npos;
}

std::size_t DigitsEnd(const std::string& text, std::size_t at) {
  while (at < text.size() && IsAsciiDigit(text[at])) ++at;
  return at;
}

bool IsLowHigh(const std::string& text, BandTextForm form) {
  const std::size_t low = DigitsAt(text, 0, form);
  if (low == std::string::npos) return false;
  std::size_t dash = DigitsEnd(text, low);
  if (form == BandTextForm::Profile) dash = std::min(text.find_first_not_of(" \t", dash), text.size());
  if (dash >= text.size() || text[dash] != '-') return false;
  const std::size_t high = DigitsAt(text, dash + 1, form);
  if (high == std::string::npos) return false;
  return form == BandTextForm::Profile || DigitsEnd(text, high) == text.size();
}

}  // namespace

BandText ParseBandText(const std::string& text, BandTextForm form) {
  // The band rule: the leading whole number, then the one after the first
  // '-'; the top is one MHz above HIGH, inclusive.
  const long long low = LeadingInteger(text);
  const std::size_t dash = text.find('-');
  const long long high = dash == std::string::npos ? low : LeadingInteger(text.substr(dash + 1));
  BandText band;
  band.limits.lower = ScaleBandNumber(low);
  const bool saturated = high == std::numeric_limits<long long>::max();
  band.limits.upper = ScaleBandNumber(saturated ? high : high + 1);

  if (!IsLowHigh(text, form))
    band.error = BandTextError::NotLowHigh;
  else if (low >= high)
    band.error = BandTextError::NotAscending;
  else if (!FrequencyIsStorable(band.limits.lower) || !FrequencyIsStorable(band.limits.upper))
    band.error = BandTextError::NotStorable;
  return band;
}

BandLimits BandLimitsFromText(const std::string& bandText) {
  return ParseBandText(bandText, BandTextForm::Profile).limits;
}
