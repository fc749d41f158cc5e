#pragma once
// Character rules for texts that mix ASCII with UTF-8: only ASCII letters
// fold and only ASCII digits and blanks count, so the bytes of a Chinese
// text always compare as they are, whatever the process's locale.
#include <cstddef>
#include <string>

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// The blanks of the C locale's isspace.
inline bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

inline char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiLower(std::string text) {
  for (char& c : text) c = FoldAscii(c);
  return text;
}

inline bool StartsWithIgnoringAsciiCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
  return true;
}

inline bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && StartsWithIgnoringAsciiCase(a, b);
}
