#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/csv/ChannelCsv.h"
#include "core/csv/CsvTestRows.h"

namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

struct Line {
  std::string frequency = "446.006250", duplex, offset = "0.000000", tone, rTone = "100.0", cTone = "88.5",
              dtcs = "754", polarity = "RN", rxDtcs = "131", cross = "Tone->Tone", mode = "FM", skip, power = "High";
  std::string Csv() const {
    return "1,Name," + frequency + "," + duplex + "," + offset + "," + tone + "," + rTone + "," + cTone + "," + dtcs +
           "," + polarity + "," + rxDtcs + "," + cross + "," + mode + ",6.25," + skip + "," + power + ",,,,,\r\n";
  }
};

using R = CsvRefusalReason;

struct ImportCase {
  const char* name;
  std::function<void(Line&)> change;
  ChannelRow row;  // when accepted
  R refusal = R::None;
};
void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }

const std::string F = "446.00625";
const ChannelRow kSimplex = Row(F, F, "None", "None");

ChannelRow Tones(const std::string& dec, const std::string& enc) { return Row(F, F, dec, enc); }

class ChirpImport : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ChirpImport, OneLine) {
  const ImportCase& c = GetParam();
  Line line;
  c.change(line);
  const CsvImportResult result = ImportChannelsCsv(kHeader + line.Csv(), WideBand(), Language::English);
  ASSERT_TRUE(result.Readable());
  EXPECT_EQ(result.form, CsvForm::Chirp);
  if (c.refusal == R::None) {
    ASSERT_TRUE(result.refused.empty()) << static_cast<int>(result.refused[0].reason);
    ChannelRow expected = c.row;
    expected[kColChannel] = " 1";
    EXPECT_EQ(result.table[0], expected);
  } else {
    ASSERT_EQ(result.refused.size(), 1u);
    EXPECT_EQ(result.refused[0].reason, c.refusal);
    EXPECT_EQ(result.refused[0].line, 2);
    EXPECT_EQ(result.imported, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChirpImport,
    ::testing::Values(
        // Duplex and Offset
        ImportCase{"simplex", [](Line&) {}, kSimplex},
        ImportCase{"plus", [](Line& l) { l.duplex = "+", l.offset = "5.000000"; }, Row(F, "451.00625", "None", "None")},
        ImportCase{"minus", [](Line& l) { l.duplex = "-", l.offset = "0.600000"; },
                   Row(F, "445.40625", "None", "None")},
        ImportCase{"split", [](Line& l) { l.duplex = "split", l.offset = "146.520000"; },
                   Row(F, "146.52000", "None", "None")},
        ImportCase{"off_refused", [](Line& l) { l.duplex = "off"; }, {}, R::ReceiveOnly},
        ImportCase{"unknown_duplex", [](Line& l) { l.duplex = "x"; }, {}, R::UnknownDuplex},
        // An offset that is not a number would make a repeater channel simplex,
        // a negative one would put the transmit frequency on the other side.
        ImportCase{"offset_not_a_number", [](Line& l) { l.duplex = "+", l.offset = "abc"; }, {}, R::NotANumber},
        ImportCase{"offset_nan", [](Line& l) { l.duplex = "-", l.offset = "nan"; }, {}, R::NotANumber},
        ImportCase{"offset_inf", [](Line& l) { l.duplex = "split", l.offset = "inf"; }, {}, R::NotANumber},
        ImportCase{
            "offset_with_trailing_text", [](Line& l) { l.duplex = "+", l.offset = "5.0MHz"; }, {}, R::NotANumber},
        ImportCase{"offset_empty", [](Line& l) { l.duplex = "+", l.offset = ""; }, {}, R::NoOffset},
        ImportCase{"offset_negative", [](Line& l) { l.duplex = "-", l.offset = "-5.0"; }, {}, R::NegativeOffset},
        ImportCase{"offset_ignored_when_simplex", [](Line& l) { l.offset = "abc"; }, kSimplex},
        ImportCase{"offset_zero_minus", [](Line& l) { l.duplex = "-", l.offset = "-0.0"; }, kSimplex},
        // Tone modes; the DTCS polarity's first letter is transmit (encode)
        ImportCase{"tone", [](Line& l) { l.tone = "Tone"; }, Tones("None", "100.0")},
        ImportCase{"tsql", [](Line& l) { l.tone = "TSQL"; }, Tones("88.5", "88.5")},
        ImportCase{"dtcs_rn", [](Line& l) { l.tone = "DTCS"; }, Tones("D754N", "D754I")},
        ImportCase{"dtcs_nr", [](Line& l) { l.tone = "DTCS", l.polarity = "NR"; }, Tones("D754I", "D754N")},
        ImportCase{"cross_tone_tone", [](Line& l) { l.tone = "Cross"; }, Tones("88.5", "100.0")},
        ImportCase{"cross_tone_dtcs", [](Line& l) { l.tone = "Cross", l.cross = "Tone->DTCS"; },
                   Tones("D131N", "100.0")},
        ImportCase{"cross_dtcs_tone", [](Line& l) { l.tone = "Cross", l.cross = "DTCS->Tone"; },
                   Tones("88.5", "D754I")},
        ImportCase{"cross_dtcs_dtcs", [](Line& l) { l.tone = "Cross", l.cross = "DTCS->DTCS", l.polarity = "NR"; },
                   Tones("D131I", "D754N")},
        ImportCase{"cross_dtcs_only", [](Line& l) { l.tone = "Cross", l.cross = "DTCS->"; }, Tones("None", "D754I")},
        ImportCase{"cross_to_dtcs", [](Line& l) { l.tone = "Cross", l.cross = "->DTCS"; }, Tones("D131N", "None")},
        ImportCase{"cross_tone_only", [](Line& l) { l.tone = "Cross", l.cross = "Tone->"; }, Tones("None", "100.0")},
        ImportCase{"cross_to_tone", [](Line& l) { l.tone = "Cross", l.cross = "->Tone"; }, Tones("88.5", "None")},
        ImportCase{
            "unknown_cross_mode", [](Line& l) { l.tone = "Cross", l.cross = "Tone->Tone->"; }, {}, R::UnknownToneMode},
        ImportCase{"unknown_tone_mode", [](Line& l) { l.tone = "DV"; }, {}, R::UnknownToneMode},
        ImportCase{"tone_not_in_list", [](Line& l) { l.tone = "Tone", l.rTone = "69.4"; }, {}, R::UnknownTone},
        ImportCase{"dcs_code_not_offered", [](Line& l) { l.tone = "DTCS", l.dtcs = "017"; }, {}, R::UnknownTone},
        ImportCase{"polarity_unknown", [](Line& l) { l.tone = "DTCS", l.polarity = "NX"; }, {}, R::UnknownPolarity},
        ImportCase{"polarity_ignored_without_dcs", [](Line& l) { l.tone = "TSQL", l.polarity = "?"; },
                   Tones("88.5", "88.5")},
        // Mode, Skip, Power
        ImportCase{"nfm_is_narrow", [](Line& l) { l.mode = "NFM"; }, Row(F, F, "None", "None", "Narrow")},
        ImportCase{"am_refused", [](Line& l) { l.mode = "AM"; }, {}, R::UnknownMode},
        ImportCase{"skip_s", [](Line& l) { l.skip = "S"; }, Row(F, F, "None", "None", "Wide", "No")},
        ImportCase{"skip_p_scans", [](Line& l) { l.skip = "P"; }, kSimplex},
        ImportCase{"power_low", [](Line& l) { l.power = "Low"; },
                   Row(F, F, "None", "None", "Wide", "Yes", "Off", "Low")},
        ImportCase{"power_mid", [](Line& l) { l.power = "Mid"; },
                   Row(F, F, "None", "None", "Wide", "Yes", "Off", "Middle")},
        ImportCase{"power_watts_high", [](Line& l) { l.power = "5.0W"; }, kSimplex},
        // Frequencies
        ImportCase{"outside_band", [](Line& l) { l.frequency = "480.000000"; }, {}, R::OutOfRange},
        ImportCase{"tx_outside_band", [](Line& l) { l.duplex = "+", l.offset = "30.000000"; }, {}, R::OutOfRange},
        ImportCase{"tx_below_zero", [](Line& l) { l.duplex = "-", l.offset = "500.000000"; }, {}, R::OutOfRange},
        ImportCase{"off_raster", [](Line& l) { l.frequency = "446.003000"; }, {}, R::OffRaster},
        ImportCase{"below_10_hz", [](Line& l) { l.frequency = "446.006255"; }, {}, R::OffRaster},
        ImportCase{"no_frequency", [](Line& l) { l.frequency = ""; }, {}, R::NoFrequency},
        ImportCase{"frequency_not_a_number", [](Line& l) { l.frequency = "abc"; }, {}, R::NotANumber},
        ImportCase{"frequency_with_trailing_text", [](Line& l) { l.frequency = "446.00625x"; }, {}, R::NotANumber},
        ImportCase{
            "tone_with_trailing_text", [](Line& l) { l.tone = "Tone", l.rTone = "100.0Hz"; }, {}, R::UnknownTone},
        ImportCase{"tone_cut", [](Line& l) { l.tone = "Tone", l.rTone = "100.05"; }, {}, R::UnknownTone},
        ImportCase{"tone_trailing_zero", [](Line& l) { l.tone = "Tone", l.rTone = "100.00"; },
                   Tones("None", "100.0")}));

// Rows as the table holds them, the line export writes for each, and the
// same row back when that line is imported.
struct ExportCase {
  const char* name;
  ChannelRow row;
  const char* line;  // after "1,,"
};
void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.name; }

class ChirpExport : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ChirpExport, LineAndBack) {
  const ExportCase& c = GetParam();
  ChannelTable table = EmptyChannelTable();
  PutRow(table, 1, c.row);
  RadioImage image;
  StoreTableToImage(table, image);
  const std::string text = ExportChannelsCsv(image, CsvForm::Chirp);
  EXPECT_EQ(text, kHeader + "1,," + c.line + "\r\n");
  const CsvImportResult back = ImportChannelsCsv(text, WideBand(), Language::English);
  EXPECT_TRUE(back.refused.empty());
  EXPECT_EQ(back.table, table);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChirpExport,
    ::testing::Values(ExportCase{"tsql_narrow", Row(F, F, "88.5", "88.5", "Narrow"),
                                 "446.006250,,0.000000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,High,,,,,"},
                      ExportCase{"dtcs_polarities_plus",
                                 Row(F, "451.00625", "D754N", "D754I", "Wide", "No", "Off", "Middle"),
                                 "446.006250,+,5.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,FM,5.00,S,Mid,,,,,"},
                      ExportCase{"tone_minus", Row(F, "445.40625", "None", "100.0", "Wide", "Yes", "Off", "Low"),
                                 "446.006250,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,Low,,,,,"},
                      ExportCase{"offset_of_70_mhz", Row("400.00000", "470.00000", "None", "None"),
                                 "400.000000,+,70.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"},
                      ExportCase{"split_beyond_70_mhz", Row("146.52000", F, "None", "None"),
                                 "146.520000,split,446.006250,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_tone_tone", Row(F, F, "88.5", "100.0"),
                                 "446.006250,,0.000000,Cross,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_tone_dtcs", Row(F, F, "D131I", "100.0"),
                                 "446.006250,,0.000000,Cross,100.0,88.5,023,NR,131,Tone->DTCS,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_dtcs_tone", Row(F, F, "88.5", "D754I"),
                                 "446.006250,,0.000000,Cross,88.5,88.5,754,RN,023,DTCS->Tone,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_dtcs_dtcs", Row(F, F, "D131N", "D754I"),
                                 "446.006250,,0.000000,Cross,88.5,88.5,754,RN,131,DTCS->DTCS,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_dtcs_only", Row(F, F, "None", "D023N"),
                                 "446.006250,,0.000000,Cross,88.5,88.5,023,NN,023,DTCS->,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_to_dtcs", Row(F, F, "D023I", "None"),
                                 "446.006250,,0.000000,Cross,88.5,88.5,023,NR,023,->DTCS,FM,5.00,,High,,,,,"},
                      ExportCase{"cross_to_tone", Row(F, F, "100.0", "None"),
                                 "446.006250,,0.000000,Cross,88.5,100.0,023,NN,023,->Tone,FM,5.00,,High,,,,,"}));

TEST(ChirpFile, HandWrittenImportsToTable) {
  // Locations from 0: filled in file order. Columns in another order, a name
  // with a comma and quotes, a comment over two lines, unknown columns.
  const std::string file =
      "Name,Location,Frequency,Power,Tone,Duplex,Offset,cToneFreq,rToneFreq,Mode,Skip,Comment,Extra\n"
      "\"Site, \"\"A\"\"\",0,446.006250,High,TSQL,,0.000000,88.5,88.5,NFM,,,x\n"
      "Repeater,1,146.520000,Low,Tone,-,0.600000,88.5,127.3,FM,S,\"two\nlines\",\n"
      "Airband,2,127.500000,High,,,0,88.5,88.5,AM,,,\n"
      "Duplex off,3,446.100000,High,,off,0,88.5,88.5,FM,,,\n"
      "Cross,4,446.200000,Mid,Cross,+,1.000000,88.5,88.5,FM,P,,\n";
  const CsvImportResult result = ImportChannelsCsv(file, WideBand(), Language::English);
  ChannelTable expected = EmptyChannelTable();
  PutRow(expected, 1, Row(F, F, "88.5", "88.5", "Narrow"));
  PutRow(expected, 2, Row("146.52000", "145.92000", "None", "127.3", "Wide", "No", "Off", "Low"));
  // Without a CrossMode column the form's default Tone->Tone applies.
  PutRow(expected, 3, Row("446.20000", "447.20000", "88.5", "88.5", "Wide", "Yes", "Off", "Middle"));
  EXPECT_EQ(result.table, expected);
  EXPECT_EQ(result.imported, 3);
  ASSERT_EQ(result.refused.size(), 2u);
  EXPECT_EQ(result.refused[0].line, 5);
  EXPECT_EQ(result.refused[0].reason, R::UnknownMode);
  EXPECT_EQ(result.refused[1].line, 6);
  EXPECT_EQ(result.refused[1].reason, R::ReceiveOnly);
}

}  // namespace
