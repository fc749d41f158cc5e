#pragma once
// Columns of a CSV file found by the names in its header line: blanks around
// a name and the case of ASCII letters do not matter, the order of the
// columns is the file's.
#include <initializer_list>
#include <string>
#include <vector>

#include "core/csv/CsvText.h"
#include "core/lang/AsciiText.h"

class CCsvColumns {
 public:
  explicit CCsvColumns(const std::vector<std::string>& header);

  // The first column with one of `names`, or -1.
  int Find(std::initializer_list<const char*> names) const;
  int Find(const std::vector<std::string>& names) const;

  // The trimmed field of `record` in `column`; `missing` when the column is
  // not in the file (-1), the empty text when the record is shorter.
  static std::string Field(const CsvRecord& record, int column, const char* missing = "");

 private:
  std::vector<std::string> m_names;  // trimmed, ASCII lower case
};

std::string TrimBlanks(const std::string& text);

// True when every field of the record but the one in `ignoredColumn` is
// blank: a line to skip.
bool IsBlankRecord(const CsvRecord& record, int ignoredColumn = -1);
