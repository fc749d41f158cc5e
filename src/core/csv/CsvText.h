#pragma once
// Comma-separated text: fields quoted with double quotes when they hold a
// comma, a quote or a line break (a quote inside doubled), records ending in
// LF, CRLF or a lone CR, an optional UTF-8 byte-order mark in front.
#include <string>
#include <vector>

struct CsvRecord {
  int line = 0;  // 1-based line on which the record starts
  std::vector<std::string> fields;
};

enum class CsvReadStatus {
  Ok,
  HoldsNul,       // a NUL byte, which no text holds (a UTF-16 file, a binary one)
  NotUtf8,        // the bytes are not UTF-8 text
  UnclosedQuote,  // a quoted field runs to the end of the text
};

struct CsvReadResult {
  CsvReadStatus status = CsvReadStatus::Ok;
  int line = 0;                    // of the first NUL byte, or where the unclosed quoted field starts
  std::vector<CsvRecord> records;  // empty unless Ok; blank lines included
};

CsvReadResult ReadCsv(const std::string& text);

// One record, quoted where needed, ending in CRLF.
std::string CsvLine(const std::vector<std::string>& fields);

// Well-formed UTF-8 without NUL bytes: what a text file holds.
bool IsUtf8Text(const std::string& text);
