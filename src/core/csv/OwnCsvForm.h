#pragma once
// Our own form: the channel table's column titles (English or Chinese) and
// its texts.
#include <array>
#include <string>

#include "core/csv/CsvChannelLine.h"
#include "core/csv/CsvColumns.h"

class COwnCsvForm {
 public:
  explicit COwnCsvForm(const CCsvColumns& columns);
  // A header with an Rx Frequency column.
  bool Recognised() const { return m_columns[kColRxFrequency] >= 0; }
  CsvChannelLine Line(const CsvRecord& record) const;

 private:
  std::array<int, kChannelColumns> m_columns{};  // of the table's columns 1-8
};

// The header, then one line per channel in use; `table` in English.
std::string OwnCsvText(const ChannelTable& table);
