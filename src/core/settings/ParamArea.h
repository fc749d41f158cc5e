#pragma once
// The parameter area (0x300-0x31F): squelch thresholds per band point, the
// squelch close and narrow squelch thresholds, receive parameters, microphone
// gains and deviations, each kept within its range.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"
#include "core/settings/BandTable.h"

// The lists of the dialog and its two cell editors; each offers every whole
// number of its range.
enum class ParamList {
  SqlCell,         // the SQL grid's editor, 5-100
  SqlClose,        // 1-10
  NarrowSql,       // -10-10
  RxCell,          // the Rx grid's editor, 5-125
  Mic1Gain,        // 0-31
  Mic2Gain,        // 0-127
  Mic3Gain,        // 0-15
  MaxDeviation,    // 30-150
  CtcssDeviation,  // 5-30
  DcsDeviation,    // 5-30
};

// The list of Tx control `index` (0-5: MIC1, MIC2, MIC3, Max, Ctcss, Dcs).
ParamList TxParamList(int index);

// "%d" of every number of the list's range, ascending.
std::vector<std::string> ParamListEntries(ParamList list);

constexpr int kRxRows = 3;
constexpr int kRxColumns = 2;  // wide, narrow
constexpr int kTxLists = 6;

// The SQL grid's rows for a band (BandTableFor over the 13 squelch entries).
BandTable SquelchTableFor(const BandLimits& band);

const char* SquelchColumnTitle(Language language);         // "SQL"
const char* RxRowTitle(int row, Language language);        // 1-3: "Param 1" ...
const char* RxColumnTitle(int column, Language language);  // 1 "Wide", 2 "Narrow"

// The texts of the dialog's controls.
struct ParamControls {
  std::vector<std::string> squelch;                  // SQL grid, one per row of the band table
  std::string sqlClose;                              // "SQL close threshold"
  std::string narrowSql;                             // "Narrow SQL threshold", signed
  std::array<std::string, kRxRows * kRxColumns> rx;  // row by row: (1, Wide), (1, Narrow), ...
  std::array<std::string, kTxLists> tx;              // MIC1, MIC2, MIC3, Max, Ctcss, Dcs deviation
};

// What the dialog shows on opening: the image's values brought into range,
// while the image itself stays as it is (Cancel must leave it untouched).
ParamControls ParamControlsFromImage(const RadioImage& image, const BandTable& table);
// The dialog's OK: each text's leading integer (low 8 bits; the narrow
// threshold in sign and magnitude) into its byte, then NormalizeServiceParams.
void StoreParamControls(const ParamControls& controls, const BandTable& table, RadioImage& image);

// Forces every byte of the area that a control owns into its range: the
// squelch entries of the table's rows, then 0x30D-0x31A. 0x31B-0x31F stay.
void NormalizeServiceParams(const BandTable& table, RadioImage& image);

// The narrow squelch threshold: bit 7 the sign, bits 0-6 the magnitude.
int DecodeNarrowSquelch(std::uint8_t byte);
std::uint8_t EncodeNarrowSquelch(long long value);

// A cell editor's text when it closes (SqlCell or RxCell): a leading integer
// outside the editor's range gives its first entry, "5".
std::string CloseParamCellEditor(ParamList editor, const std::string& typed);
