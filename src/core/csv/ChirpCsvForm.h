#pragma once
// The channel-list form other radio programming tools write and read
// (Location, Name, Frequency, Duplex, Offset, Tone, ...): found by a
// Frequency column, columns in any order, unknown ones ignored.
#include <string>

#include "core/csv/CsvChannelLine.h"
#include "core/csv/CsvColumns.h"

class CChirpCsvForm {
 public:
  explicit CChirpCsvForm(const CCsvColumns& columns);
  bool Recognised() const { return m_nFrequency >= 0; }
  CsvChannelLine Line(const CsvRecord& record) const;

 private:
  int m_nFrequency, m_nDuplex, m_nOffset, m_nTone, m_nRToneFreq, m_nCToneFreq, m_nDtcsCode, m_nDtcsPolarity,
      m_nRxDtcsCode, m_nCrossMode, m_nMode, m_nSkip, m_nPower;
};

// The form's full header, then one line per channel in use; `table` in English.
std::string ChirpCsvText(const ChannelTable& table);
