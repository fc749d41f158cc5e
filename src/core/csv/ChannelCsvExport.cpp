#include "core/csv/ChannelCsv.h"

#include "core/csv/ChirpCsvForm.h"
#include "core/csv/OwnCsvForm.h"
#include "core/files/SafeFileWrite.h"

std::string ExportChannelsCsv(const RadioImage& image, CsvForm form) {
  const ChannelTable table = TableFromImage(image, Language::English);
  return form == CsvForm::Chirp ? ChirpCsvText(table) : OwnCsvText(table);
}

int SaveChannelsCsv(const std::string& path, const RadioImage& image, CsvForm form) {
  const std::string text = ExportChannelsCsv(image, form);
  return SafeFileWrite(path, text.data(), text.size());
}
