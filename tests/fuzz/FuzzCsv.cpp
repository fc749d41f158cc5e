// Arbitrary bytes as a CSV channel list. The reader's records must write out
// and read back unchanged; an import must leave only channels that pass the
// commit rules, be in the image as imported, and export and import back to
// the same table.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvImportReport.h"
#include "core/csv/CsvText.h"
#include "core/radio/ChannelTable.h"
#include "fuzz/FuzzEntries.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "FuzzCsv: %s\n", what);
  std::abort();
}

void CheckRecordsWriteBack(const CsvReadResult& read) {
  std::string written = "\xEF\xBB\xBF";  // a field that starts like a mark stays a field
  for (const CsvRecord& record : read.records) written += CsvLine(record.fields);
  const CsvReadResult again = ReadCsv(written);
  if (again.status != CsvReadStatus::Ok) Fail("written records do not read");
  if (again.records.size() != read.records.size()) Fail("record count changed");
  for (std::size_t i = 0; i < read.records.size(); ++i)
    if (again.records[i].fields != read.records[i].fields) Fail("fields changed");
}

void CheckImport(const std::string& text, const BandLimits& band, Language language) {
  const CsvImportResult result = ImportChannelsCsv(text, band, language);
  CsvImportReport(result, language);
  if (!result.Readable()) return;
  if (result.imported < 0 || result.imported > ImageMap::kChannelCount) Fail("imported count out of range");
  int inUse = 0;
  for (const ChannelRow& row : result.table) {
    if (row[kColRxFrequency].empty()) continue;
    ++inUse;
    for (int column : {kColRxFrequency, kColTxFrequency}) {
      const long long n = FrequencyUnits(LeadingNumber(row[column]));
      if (!band.Contains(n) || !OnChannelRaster(n) || !FrequencyIsStorable(n)) Fail("a refused frequency was imported");
    }
  }
  if (inUse != result.imported) Fail("imported count differs from the table");

  RadioImage image;
  StoreTableToImage(result.table, image);
  if (TableFromImage(image, language) != result.table) Fail("an imported channel is not in the image");
  const CsvImportResult again = ImportChannelsCsv(ExportChannelsCsv(image, CsvForm::Own), band, language);
  if (!again.refused.empty() || again.table != result.table) Fail("own form does not round-trip");
  ExportChannelsCsv(image, CsvForm::Chirp);
}

}  // namespace

int FuzzCsvInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = size ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
  const CsvReadResult read = ReadCsv(text);
  if (read.status == CsvReadStatus::Ok) CheckRecordsWriteBack(read);
  CheckImport(text, BandLimitsFromText("400-470"), size % 2 == 1 ? Language::Chinese : Language::English);
  CheckImport(text, BandLimitsFromText("136-174"), Language::English);
  // A band from Program.ini may reach below what a channel can hold.
  CheckImport(text, BandLimitsFromText("1-30"), Language::Chinese);
  return 0;
}

#ifdef PROGRAM_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) { return FuzzCsvInput(data, size); }
#endif
