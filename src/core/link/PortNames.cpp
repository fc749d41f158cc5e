#include "core/link/PortNames.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iterator>

#include "core/lang/AsciiText.h"
#include "core/os/SerialPortNames.h"

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Digits only, no sign; nothing when empty or above INT_MAX.
std::optional<int> ParseDigits(const std::string& s, std::size_t from) {
  if (from >= s.size()) return std::nullopt;
  long long value = 0;
  for (std::size_t i = from; i < s.size(); ++i) {
    if (!IsAsciiDigit(s[i])) return std::nullopt;
    value = value * 10 + (s[i] - '0');
    if (value > INT_MAX) return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace

std::string PortNameFromNumber(int n) {
  char name[32];
  if (n < 10)
    std::snprintf(name, sizeof name, "COM%d", n);
  else
    std::snprintf(name, sizeof name, "\\\\.\\COM%d", n);
  return name;
}

std::optional<int> PortNumberFromName(const std::string& name) {
  const std::size_t m = name.find('M');
  if (m == std::string::npos || m == 0) return std::nullopt;
  std::size_t i = m + 1;
  while (i < name.size() && IsAsciiSpace(name[i])) ++i;
  bool negative = false;
  if (i < name.size() && (name[i] == '+' || name[i] == '-')) {
    negative = name[i] == '-';
    ++i;
  }
  if (i >= name.size() || !IsAsciiDigit(name[i])) return std::nullopt;
  long long value = 0;
  for (; i < name.size() && IsAsciiDigit(name[i]); ++i) {
    value = value * 10 + (name[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> ParsePortName(const std::string& text) {
  std::size_t at = 0;
  if (text.compare(0, 4, "\\\\.\\") == 0) at = 4;
  if (text.size() < at + 3) return std::nullopt;
  for (std::size_t k = 0; k < 3; ++k)
    if (Upper(text[at + k]) != "COM"[k]) return std::nullopt;
  const std::optional<int> n = ParseDigits(text, at + 3);
  if (!n || *n < 1) return std::nullopt;
  return n;
}

std::string DefaultDevicePath(int n) { return SystemPortDevice(n); }

std::vector<int> PortsToList(const std::vector<std::string>& systemNames) {
  std::vector<int> ports;
  for (int n = kFirstPort; n <= kLastPort; ++n) ports.push_back(n);
  std::vector<int> above;
  for (const std::string& name : systemNames)
    if (const std::optional<int> n = ParsePortName(name); n && *n > kLastPort) above.push_back(*n);
  std::sort(above.begin(), above.end());
  std::unique_copy(above.begin(), above.end(), std::back_inserter(ports));
  return ports;
}
