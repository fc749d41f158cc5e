#include "core/csv/OwnCsvForm.h"

#include <vector>

#include "core/lang/AnyLanguage.h"

COwnCsvForm::COwnCsvForm(const CCsvColumns& columns) {
  for (int c = kColRxFrequency; c < kChannelColumns; ++c)
    m_columns[c] = columns.Find(EveryForm([c](Language language) { return ChannelColumnTitle(c, language); }));
}

CsvChannelLine COwnCsvForm::Line(const CsvRecord& record) const {
  CsvChannelLine line;
  for (int c = kColRxFrequency; c < kChannelColumns; ++c) line.cells[c] = CCsvColumns::Field(record, m_columns[c]);
  // Without the column every channel is simplex; an empty cell is a channel
  // that does not transmit, which must not become one that does.
  if (m_columns[kColTxFrequency] >= 0 && line.cells[kColTxFrequency].empty() && !line.cells[kColRxFrequency].empty())
    return RefusedLine(CsvRefusalReason::ReceiveOnly, line.cells[kColRxFrequency]);
  return line;
}

std::string OwnCsvText(const ChannelTable& table) {
  std::vector<std::string> fields;
  for (int c = 0; c < kChannelColumns; ++c) fields.emplace_back(ChannelColumnTitle(c, Language::English));
  std::string text = CsvLine(fields);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ChannelRow& row = table[i];
    if (!ChannelRowInUse(row)) continue;
    fields.assign(row.begin(), row.end());
    fields[kColChannel] = std::to_string(i + 1);
    text += CsvLine(fields);
  }
  return text;
}
