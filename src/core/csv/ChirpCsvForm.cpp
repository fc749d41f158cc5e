#include "core/csv/ChirpCsvForm.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/radio/ChannelCellRules.h"

namespace {

const char* const kHeader[] = {"Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
                               "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
                               "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
                               "RPT1CALL",  "RPT2CALL",  "DVCODE"};
enum HeaderColumn {
  kLocation,
  kName,
  kFrequency,
  kDuplex,
  kOffset,
  kTone,
  kRToneFreq,
  kCToneFreq,
  kDtcsCode,
  kDtcsPolarity,
  kRxDtcsCode,
  kCrossMode,
  kMode,
  kTStep,
  kSkip,
  kPower,
  kHeaderColumns = 21
};

// What the form's own files carry in the columns a channel does not use.
const char* const kDefaultTone = "88.5";
const char* const kDefaultDtcsCode = "023";
const char* const kDefaultPolarity = "NN";
const char* const kDefaultCrossMode = "Tone->Tone";

// Beyond this difference a transmit frequency is written as "split".
constexpr long long kLargestOffset = 7000000;  // 70 MHz in units of 10 Hz

// MHz written plainly ("446.006250") to units of 10 Hz: None, or why the
// text is refused. A part below 10 Hz is off the raster, as no step reaches
// it; what a negative number is told as depends on the column.
CsvRefusalReason MegahertzToUnits(const std::string& text, long long& units, CsvRefusalReason negative) {
  switch (ReadFileMegahertz(text, units)) {
    case PlainDecimal::Ok: return CsvRefusalReason::None;
    case PlainDecimal::NotANumber: return CsvRefusalReason::NotANumber;
    case PlainDecimal::Negative: return negative;
    case PlainDecimal::TooFine: break;
  }
  return CsvRefusalReason::OffRaster;
}

// Where a tone of the line comes from.
enum class ToneFrom { None, RTone, CTone, TxDtcs, RxDtcs, DtcsDecode };

struct ToneModePlan {
  const char* name;
  ToneFrom encode;
  ToneFrom decode;
};

const ToneModePlan kToneModes[] = {
    {"", ToneFrom::None, ToneFrom::None},
    {"Tone", ToneFrom::RTone, ToneFrom::None},
    {"TSQL", ToneFrom::CTone, ToneFrom::CTone},
    {"DTCS", ToneFrom::TxDtcs, ToneFrom::DtcsDecode},
};

const ToneModePlan kCrossModes[] = {
    {"Tone->Tone", ToneFrom::RTone, ToneFrom::CTone},  {"Tone->DTCS", ToneFrom::RTone, ToneFrom::RxDtcs},
    {"DTCS->Tone", ToneFrom::TxDtcs, ToneFrom::CTone}, {"DTCS->DTCS", ToneFrom::TxDtcs, ToneFrom::RxDtcs},
    {"DTCS->", ToneFrom::TxDtcs, ToneFrom::None},      {"->DTCS", ToneFrom::None, ToneFrom::RxDtcs},
    {"Tone->", ToneFrom::RTone, ToneFrom::None},       {"->Tone", ToneFrom::None, ToneFrom::CTone},
};

const ToneModePlan* FindPlan(const ToneModePlan* begin, const ToneModePlan* end, const std::string& name) {
  for (const ToneModePlan* plan = begin; plan != end; ++plan)
    if (AsciiLower(plan->name) == AsciiLower(name)) return plan;
  return nullptr;
}

bool InToneList(const std::string& text) {
  const std::vector<std::string>& list = ToneList(Language::English);
  return std::find(list.begin() + 1, list.end(), text) != list.end();
}

// The tone's text in the table, or the empty text when the tone list does
// not hold it.
std::string CtcssText(const std::string& hertz) {
  const std::string text = FileToneText(hertz);
  return InToneList(text) ? text : std::string();
}

std::string DcsText(const std::string& code, char polarity) {
  if (code.empty() || code.size() > 3 || code.find_first_not_of("0123456789") != std::string::npos)
    return std::string();
  const std::string text = "D" + std::string(3 - code.size(), '0') + code + polarity;
  return InToneList(text) ? text : std::string();
}

}  // namespace

CChirpCsvForm::CChirpCsvForm(const CCsvColumns& c)
    : m_nFrequency(c.Find({kHeader[kFrequency]})),
      m_nDuplex(c.Find({kHeader[kDuplex]})),
      m_nOffset(c.Find({kHeader[kOffset]})),
      m_nTone(c.Find({kHeader[kTone]})),
      m_nRToneFreq(c.Find({kHeader[kRToneFreq]})),
      m_nCToneFreq(c.Find({kHeader[kCToneFreq]})),
      m_nDtcsCode(c.Find({kHeader[kDtcsCode]})),
      m_nDtcsPolarity(c.Find({kHeader[kDtcsPolarity]})),
      m_nRxDtcsCode(c.Find({kHeader[kRxDtcsCode]})),
      m_nCrossMode(c.Find({kHeader[kCrossMode]})),
      m_nMode(c.Find({kHeader[kMode]})),
      m_nSkip(c.Find({kHeader[kSkip]})),
      m_nPower(c.Find({kHeader[kPower]})) {}

CsvChannelLine CChirpCsvForm::Line(const CsvRecord& record) const {
  const auto field = [&](int column, const char* missing) { return CCsvColumns::Field(record, column, missing); };
  using R = CsvRefusalReason;

  const std::string frequency = field(m_nFrequency, "");
  if (frequency.empty()) return RefusedLine(R::NoFrequency, frequency);
  long long rx = 0;
  if (const R refused = MegahertzToUnits(frequency, rx, R::OutOfRange); refused != R::None)
    return RefusedLine(refused, frequency);

  const std::string duplex = AsciiLower(field(m_nDuplex, ""));
  long long tx = rx;
  if (duplex == "+" || duplex == "-" || duplex == "split") {
    // A repeater's offset is never guessed: without one the channel is not
    // known, and "abc" read as 0 would make it simplex.
    const std::string offsetText = field(m_nOffset, "");
    long long offset = 0;
    if (offsetText.empty()) return RefusedLine(R::NoOffset, field(m_nDuplex, ""));
    if (const R refused = MegahertzToUnits(offsetText, offset, R::NegativeOffset); refused != R::None)
      return RefusedLine(refused, offsetText);
    tx = duplex == "+" ? rx + offset : duplex == "-" ? rx - offset : offset;
  } else if (duplex == "off") {
    return RefusedLine(R::ReceiveOnly, field(m_nDuplex, ""));
  } else if (!duplex.empty()) {
    return RefusedLine(R::UnknownDuplex, field(m_nDuplex, ""));
  }

  const std::string toneMode = field(m_nTone, "");
  const ToneModePlan* plan = FindPlan(std::begin(kToneModes), std::end(kToneModes), toneMode);
  if (plan == nullptr && AsciiLower(toneMode) == "cross") {
    const std::string crossMode = field(m_nCrossMode, kDefaultCrossMode);
    plan = FindPlan(std::begin(kCrossModes), std::end(kCrossModes), crossMode);
    if (plan == nullptr) return RefusedLine(R::UnknownToneMode, crossMode);
  }
  if (plan == nullptr) return RefusedLine(R::UnknownToneMode, toneMode);

  CsvChannelLine line;
  line.cells[kColRxFrequency] = FrequencyText(rx);
  line.cells[kColTxFrequency] = FrequencyText(tx);

  // The text of one tone into `text`, or the line's refusal.
  const std::string polarity = field(m_nDtcsPolarity, kDefaultPolarity);
  const auto tone = [&](ToneFrom from, std::string& text) {
    std::string source;
    if (from == ToneFrom::RTone || from == ToneFrom::CTone) {
      source = field(from == ToneFrom::RTone ? m_nRToneFreq : m_nCToneFreq, kDefaultTone);
      text = CtcssText(source);
    } else if (from != ToneFrom::None) {
      // The first letter is the transmit polarity, the second the receive one.
      const std::string letters = AsciiLower(polarity);
      if (letters.size() != 2 || letters.find_first_not_of("nr") != std::string::npos)
        return RefusedLine(R::UnknownPolarity, polarity);
      const char letter = letters[from == ToneFrom::TxDtcs ? 0 : 1];
      source = field(from == ToneFrom::RxDtcs ? m_nRxDtcsCode : m_nDtcsCode, kDefaultDtcsCode);
      text = DcsText(source, letter == 'r' ? 'I' : 'N');
    }
    return from != ToneFrom::None && text.empty() ? RefusedLine(R::UnknownTone, source) : CsvChannelLine();
  };
  for (const auto& [from, column] :
       {std::make_pair(plan->encode, kColEncodeTone), std::make_pair(plan->decode, kColDecodeTone)}) {
    const CsvChannelLine refused = tone(from, line.cells[column]);
    if (refused.refusal != R::None) return refused;
  }

  const std::string mode = field(m_nMode, "FM");
  if (AsciiLower(mode) == "fm")
    line.cells[kColBandwidth] = kWideText(Language::English);
  else if (AsciiLower(mode) == "nfm")
    line.cells[kColBandwidth] = kNarrowText(Language::English);
  else
    return RefusedLine(R::UnknownMode, mode);

  line.cells[kColScan] =
      AsciiLower(field(m_nSkip, "")) == "s" ? kScanNoText(Language::English) : kScanYesText(Language::English);

  const std::string power = AsciiLower(field(m_nPower, ""));
  if (power.find("low") != std::string::npos)
    line.cells[kColPower] = kPowerLowText(Language::English);
  else if (power.find("mid") != std::string::npos)
    line.cells[kColPower] = kPowerMiddleText(Language::English);
  else
    line.cells[kColPower] = kPowerHighText(Language::English);
  return line;
}

namespace {

struct ToneParts {
  enum Kind { None, Ctcss, Dcs } kind = None;
  std::string value;    // "88.5", or the code's three digits
  char polarity = 'N';  // of a DCS code: N or R
};

ToneParts SplitTone(const std::string& text) {
  ToneParts parts;
  if (text.empty() || text == kNoToneText(Language::English)) return parts;
  if (text.size() == 5 && text[0] == 'D') {
    parts.kind = ToneParts::Dcs;
    parts.value = text.substr(1, 3);
    parts.polarity = text[4] == 'I' ? 'R' : 'N';
    return parts;
  }
  parts.kind = ToneParts::Ctcss;
  parts.value = text;
  return parts;
}

// The Tone, CrossMode and tone columns that give back the row's two tones.
void WriteTones(const ChannelRow& row, std::vector<std::string>& f) {
  const ToneParts enc = SplitTone(row[kColEncodeTone]);
  const ToneParts dec = SplitTone(row[kColDecodeTone]);
  if (enc.kind == ToneParts::None && dec.kind == ToneParts::None) return;
  if (enc.kind == ToneParts::Ctcss && dec.kind == ToneParts::Ctcss && enc.value == dec.value) {
    f[kTone] = "TSQL";
    f[kCToneFreq] = enc.value;
    return;
  }
  if (enc.kind == ToneParts::Dcs && dec.kind == ToneParts::Dcs && enc.value == dec.value) {
    f[kTone] = "DTCS";
    f[kDtcsCode] = enc.value;
    f[kDtcsPolarity] = {enc.polarity, dec.polarity};
    return;
  }
  if (enc.kind == ToneParts::Ctcss && dec.kind == ToneParts::None) {
    f[kTone] = "Tone";
    f[kRToneFreq] = enc.value;
    return;
  }
  f[kTone] = "Cross";
  std::string cross;
  if (enc.kind == ToneParts::Ctcss) {
    cross = "Tone";
    f[kRToneFreq] = enc.value;
  } else if (enc.kind == ToneParts::Dcs) {
    cross = "DTCS";
    f[kDtcsCode] = enc.value;
    f[kDtcsPolarity][0] = enc.polarity;
  }
  cross += "->";
  if (dec.kind == ToneParts::Ctcss) {
    cross += "Tone";
    f[kCToneFreq] = dec.value;
  } else if (dec.kind == ToneParts::Dcs) {
    cross += "DTCS";
    f[kRxDtcsCode] = dec.value;
    f[kDtcsPolarity][1] = dec.polarity;
  }
  f[kCrossMode] = cross;
}

std::string SixDecimals(long long units) { return FrequencyText(units) + "0"; }

}  // namespace

std::string ChirpCsvText(const ChannelTable& table) {
  std::string text = CsvLine(std::vector<std::string>(std::begin(kHeader), std::end(kHeader)));
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ChannelRow& row = table[i];
    if (!ChannelRowInUse(row)) continue;
    std::vector<std::string> f(kHeaderColumns);
    f[kLocation] = std::to_string(i + 1);
    const long long rx = FrequencyUnits(LeadingNumber(row[kColRxFrequency]));
    const long long tx = FrequencyUnits(LeadingNumber(row[kColTxFrequency]));
    f[kFrequency] = SixDecimals(rx);
    f[kOffset] = SixDecimals(std::llabs(tx - rx));
    if (std::llabs(tx - rx) > kLargestOffset) {
      f[kDuplex] = "split";
      f[kOffset] = SixDecimals(tx);
    } else if (tx != rx) {
      f[kDuplex] = tx > rx ? "+" : "-";
    }
    f[kRToneFreq] = f[kCToneFreq] = kDefaultTone;
    f[kDtcsCode] = f[kRxDtcsCode] = kDefaultDtcsCode;
    f[kDtcsPolarity] = kDefaultPolarity;
    f[kCrossMode] = kDefaultCrossMode;
    WriteTones(row, f);
    f[kMode] = row[kColBandwidth] == kNarrowText(Language::English) ? "NFM" : "FM";
    f[kTStep] = "5.00";
    f[kSkip] = row[kColScan] == kScanNoText(Language::English) ? "S" : "";
    f[kPower] = row[kColPower] == kPowerLowText(Language::English)      ? "Low"
                : row[kColPower] == kPowerMiddleText(Language::English) ? "Mid"
                                                                        : "High";
    text += CsvLine(f);
  }
  return text;
}
