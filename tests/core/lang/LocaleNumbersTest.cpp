// Every number the program writes or reads, whatever the process's locale:
// the window calls setlocale through QApplication, and a comma-decimal
// locale must neither write "0,178" nor read "446.5" as 446.
#include <clocale>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "core/csv/ChannelCsv.h"
#include "core/files/NewDocumentImage.h"
#include "core/link/WireTrace.h"
#include "core/print/PrintoutPage.h"

namespace {

// A serial trace, a CSV list read and then written in both forms, and the
// texts of every printout page, as one text.
std::string WrittenNumbers() {
  std::string text;
  CWireTraceFormatter trace([&](const std::string& line) { text += line + "\n"; });
  const CWireTraceFormatter::Clock::time_point t0{};
  trace.BeginSession("Read", t0);
  const std::uint8_t ack = 0x06;
  trace.OnEvent(WireEvent::Received, &ack, 1, t0 + std::chrono::microseconds(178));
  trace.OnEvent(WireEvent::Purged, nullptr, 0, t0 + std::chrono::microseconds(1234567));
  trace.Flush();

  const CsvImportResult read =
      ImportChannelsCsv("Rx Frequency,Tx Frequency,QT/DQT Dec\n446.5,446.00625,88.5\n146.52,146.52,100\n",
                        BandLimitsFromText("136-470"), Language::English);
  RadioImage image = BuiltInDefaults();
  StoreTableToImage(read.table, image);
  for (CsvForm form : {CsvForm::Own, CsvForm::Chirp}) text += ExportChannelsCsv(image, form);

  const PrintoutSource source{image, TableFromImage(image, Language::English), "", Language::English};
  for (int page = 1; page <= CountChannelPages(source.table).PrintoutPages(); ++page)
    for (const PrintText& t : LayOutPrintoutPage(source, page, PrintUnits{100, 200, 160}).texts) text += t.text + "\n";
  return text;
}

TEST(LocaleNumbers, ACommaDecimalLocaleWritesAndReadsTheSameBytes) {
  const std::string plain = WrittenNumbers();
  ASSERT_NE(plain.find("     0.178  recv"), std::string::npos) << plain;
  ASSERT_NE(plain.find("146.52000,146.52000,100.0"), std::string::npos) << plain;
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"en_US.UTF-8", "de_DE.UTF-8"}) {
    const bool set = std::setlocale(LC_ALL, name) != nullptr;
    const std::string written = set ? WrittenNumbers() : "";
    std::setlocale(LC_ALL, saved.c_str());
    // tools/install-deps.sh --tests generates both on a CI machine.
    if (!set && std::getenv("CI") != nullptr && std::string(std::getenv("CI")) == "true")
      FAIL() << "the locale " << name << " is missing";
    if (!set) GTEST_SKIP() << "the locale " << name << " is missing: run tools/install-deps.sh --tests";
    EXPECT_EQ(written, plain) << name;
  }
}

}  // namespace
