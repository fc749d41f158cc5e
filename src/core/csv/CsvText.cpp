#include "core/csv/CsvText.h"

#include <cstdint>

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool NeedsQuotes(const std::string& field) { return field.find_first_of(",\"\r\n") != std::string::npos; }

// Length of the well-formed sequence starting at text[at], 0 when there is
// none (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  if (lead >= 0x01 && lead <= 0x7F) return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  return length;
}

// Whether the character at `at` ends a line: a line feed, or a carriage
// return with no line feed after it (a CR LF ends at its LF).
bool EndsLine(const std::string& text, std::size_t at) {
  return text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'));
}

}  // namespace

bool IsUtf8Text(const std::string& text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8SequenceLength(text, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

CsvReadResult ReadCsv(const std::string& text) {
  CsvReadResult result;
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
    result.status = CsvReadStatus::HoldsNul;
    result.line = 1;
    for (std::size_t at = 0; at < nul; ++at)
      if (EndsLine(text, at)) ++result.line;
    return result;
  }
  if (!IsUtf8Text(text)) {
    result.status = CsvReadStatus::NotUtf8;
    return result;
  }
  std::size_t at = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
  int line = 1;
  CsvRecord record{line, {}};
  std::string field;
  bool inQuotes = false;
  bool recordOpen = false;  // something since the last record ended

  const auto endField = [&] {
    record.fields.push_back(std::move(field));
    field.clear();
  };
  const auto endRecord = [&] {
    endField();
    result.records.push_back(std::move(record));
    record = CsvRecord{line, {}};
    recordOpen = false;
  };

  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (inQuotes) {
      if (c == '"') {
        if (at + 1 < text.size() && text[at + 1] == '"') {
          field += '"';
          ++at;
        } else {
          inQuotes = false;
        }
        continue;
      }
      if (EndsLine(text, at)) ++line;
      field += c;
      continue;
    }
    switch (c) {
      case '"':
        // Only a quote that opens a field quotes it; one inside an unquoted
        // field is kept as it is.
        if (field.empty())
          inQuotes = true;
        else
          field += c;
        recordOpen = true;
        break;
      case ',':
        endField();
        recordOpen = true;
        break;
      case '\r':
        if (at + 1 < text.size() && text[at + 1] == '\n') ++at;
        ++line;
        endRecord();
        break;
      case '\n':
        ++line;
        endRecord();
        break;
      default: field += c; recordOpen = true;
    }
  }
  if (inQuotes) {
    result.status = CsvReadStatus::UnclosedQuote;
    result.line = record.line;
    result.records.clear();
    return result;
  }
  if (recordOpen) endRecord();
  return result;
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    if (!NeedsQuotes(fields[i])) {
      line += fields[i];
      continue;
    }
    line += '"';
    for (char c : fields[i]) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  return line + "\r\n";
}
