#pragma once
// Short descriptions of table cases, so that each case's CTest name says
// what it checks instead of dumping the case's bytes.
#include <cstdio>
#include <ostream>
#include <string>

inline std::string Quoted(const std::string& text) {
  if (text.size() <= 24) return '"' + text + '"';
  return '"' + text.substr(0, 12) + "...(" + std::to_string(text.size()) + " chars)\"";
}

inline std::string HexByte(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", v & 0xFFu);
  return buf;
}

inline std::string HexWord(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
  return buf;
}

inline std::string ShortDouble(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}
