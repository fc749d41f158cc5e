#pragma once
// Filling values into a text whose words stand in a table of both
// languages: the place of a value differs between them, so it is marked in
// the text rather than built by joining pieces.
#include <initializer_list>
#include <string>

// Each "%s" of `format` in turn takes the next value; a value may itself
// hold "%s" and is never searched again, and no length is cut.
inline std::string FillText(std::string format, std::initializer_list<std::string> values) {
  std::size_t from = 0;
  for (const std::string& value : values) {
    from = format.find("%s", from);
    if (from == std::string::npos) break;
    format.replace(from, 2, value);
    from += value.size();
  }
  return format;
}

// The first `placeholder` (such as "{line}") of `text` takes `value`.
inline void FillPlaceholder(std::string& text, const std::string& placeholder, const std::string& value) {
  const std::size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, placeholder.size(), value);
}

// Each "%1" to "%9" of `format` takes that value, in one pass, so that a
// language may put the values in its own order and a value is never searched
// again.
inline std::string FillNumbered(const std::string& format, std::initializer_list<std::string> values) {
  std::string text;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const std::size_t n = i + 1 < format.size() && format[i] == '%' ? static_cast<std::size_t>(format[i + 1] - '1') : 9;
    if (n < values.size()) {
      text += values.begin()[n];
      ++i;
    } else {
      text += format[i];
    }
  }
  return text;
}
