#pragma once
// Channel lists as CSV, in two forms: our own (the channel table's columns
// and texts) and the common channel-list form of other radio programming
// tools. Import builds a new channel table through the cells' commit rules;
// export writes the channels in use.
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/ChannelCodecs.h"
#include "core/radio/ChannelTable.h"

enum class CsvForm {
  Own,    // CH,Rx Frequency,Tx Frequency,QT/DQT Dec,... as the table shows them
  Chirp,  // Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,...
};

enum class CsvRefusalReason {
  None,
  NoFrequency,  // no receive frequency
  OutOfRange,   // a frequency outside the band
  OffRaster,    // a frequency off the 5 kHz / 6.25 kHz raster
  ReceiveOnly,  // Duplex "off" or an empty Tx Frequency: this radio always transmits
  UnknownDuplex,
  UnknownToneMode,  // Tone or CrossMode
  UnknownTone,      // not a tone of the tone list
  UnknownPolarity,  // DtcsPolarity other than two letters N or R
  UnknownMode,      // a Mode other than FM and NFM
  UnknownValue,     // not an entry of the list of `column` (5-8)
  TooManyChannels,  // more than 16 lines
  ChannelTaken,     // a second line for the same Location
  NotMegahertz,     // our form: a frequency that is no plain number of MHz
  NotANumber,       // Frequency or Offset: not a plain number of MHz
  NoOffset,         // Duplex "+", "-" or "split" without an Offset
  NegativeOffset,   // Duplex gives the side; a negative Offset would turn it
};

struct CsvRefusal {
  int line = 0;
  CsvRefusalReason reason = CsvRefusalReason::None;
  std::string value;  // the text refused, as the file has it
  int column = 0;     // the table column of an UnknownValue or a NotMegahertz
};

// Why a file could not be read at all; nothing is imported then.
enum class CsvFileFailure {
  None,
  CannotRead,  // sysError says why
  TooLarge,    // beyond kMaxChannelCsvSize
  HoldsNul,    // failureLine
  NotUtf8,
  UnclosedQuote,   // failureLine
  NotChannelList,  // the first line names no frequency column
};

constexpr std::size_t kMaxChannelCsvSize = 4 * 1024 * 1024;

struct CsvImportResult {
  CsvFileFailure failure = CsvFileFailure::None;
  int failureLine = 0;
  int sysError = 0;
  CsvForm form = CsvForm::Own;
  ChannelTable table;  // every channel not imported is empty
  int imported = 0;
  std::vector<CsvRefusal> refused;  // in file order

  bool Readable() const { return failure == CsvFileFailure::None; }
  // A file none of whose lines could be taken leaves the channels alone.
  bool ReplacesTable() const { return Readable() && imported > 0; }
};

// `text` is the whole file. Lines are placed from channel 1 in file order,
// or on their Location (CH) when every line has one from 1 to 16. Each
// value must be exactly a value of its column (FileCellValue: a text of the
// table, or a number a spreadsheet wrote without trailing zeros) and then
// goes through CommitOutsideValue with `band`; the table's texts are in
// `language`.
CsvImportResult ImportChannelsCsv(const std::string& text, const BandLimits& band, Language language);
// The same from a file; a file that cannot be read gives CannotRead or
// TooLarge.
CsvImportResult ImportChannelsCsvFile(const std::string& path, const BandLimits& band, Language language);

// The channels of `image` in use (both frequencies set), English texts.
std::string ExportChannelsCsv(const RadioImage& image, CsvForm form);
// Written through a temporary file; 0 or the OsError code of the failed step.
int SaveChannelsCsv(const std::string& path, const RadioImage& image, CsvForm form);
