#include "core/csv/CsvColumns.h"

namespace {

std::string FoldedName(const std::string& name) { return AsciiLower(TrimBlanks(name)); }

}  // namespace

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsBlankRecord(const CsvRecord& record, int ignoredColumn) {
  for (std::size_t column = 0; column < record.fields.size(); ++column)
    if (static_cast<int>(column) != ignoredColumn && !TrimBlanks(record.fields[column]).empty()) return false;
  return true;
}

CCsvColumns::CCsvColumns(const std::vector<std::string>& header) {
  for (const std::string& name : header) m_names.push_back(FoldedName(name));
}

int CCsvColumns::Find(std::initializer_list<const char*> names) const {
  return Find(std::vector<std::string>(names.begin(), names.end()));
}

int CCsvColumns::Find(const std::vector<std::string>& names) const {
  for (std::size_t column = 0; column < m_names.size(); ++column)
    for (const std::string& name : names)
      if (m_names[column] == FoldedName(name)) return static_cast<int>(column);
  return -1;
}

std::string CCsvColumns::Field(const CsvRecord& record, int column, const char* missing) {
  if (column < 0) return missing;
  if (static_cast<std::size_t>(column) >= record.fields.size()) return std::string();
  return TrimBlanks(record.fields[static_cast<std::size_t>(column)]);
}
