#include "core/settings/ParamArea.h"

#include <algorithm>
#include <iterator>

#include "core/radio/ImageMap.h"
#include "core/radio/NumberText.h"
#include "core/settings/SettingsTexts.h"

namespace {

using namespace ImageMap;

static_assert(std::size(kRxRowTitles) == kRxRows && std::size(kRxColumnTitles) == kRxColumns,
              "a title for every row and column");

struct ParamRange {
  int min;
  int max;
};

// Indexed by ParamList.
const ParamRange kRanges[] = {{5, 100}, {1, 10}, {-10, 10}, {5, 125}, {0, 31},
                              {0, 127}, {0, 15}, {30, 150}, {5, 30},  {5, 30}};

const ParamRange& RangeOf(ParamList list) { return kRanges[static_cast<std::size_t>(list)]; }

constexpr std::uint8_t kSignBit = 0x80;
constexpr std::uint8_t kMagnitude = 0x7F;

// The lists of 0x315-0x31A, in byte order.
constexpr ParamList kTxListOrder[kTxLists] = {ParamList::Mic1Gain,       ParamList::Mic2Gain,
                                              ParamList::Mic3Gain,       ParamList::MaxDeviation,
                                              ParamList::CtcssDeviation, ParamList::DcsDeviation};

// A byte outside its range becomes the range's lowest value.
void ForceIntoRange(std::uint8_t& byte, ParamList list) {
  const ParamRange& range = RangeOf(list);
  if (byte < range.min || byte > range.max) byte = static_cast<std::uint8_t>(range.min);
}

std::uint8_t LowByte(const std::string& text) { return static_cast<std::uint8_t>(LeadingInteger(text)); }

}  // namespace

ParamList TxParamList(int index) { return kTxListOrder[index]; }

std::vector<std::string> ParamListEntries(ParamList list) {
  std::vector<std::string> entries;
  for (int n = RangeOf(list).min; n <= RangeOf(list).max; ++n) entries.push_back(std::to_string(n));
  return entries;
}

BandTable SquelchTableFor(const BandLimits& band) { return BandTableFor(band, kSquelchTableEntries); }

const char* SquelchColumnTitle(Language language) { return kSquelchTitle(language); }
const char* RxRowTitle(int row, Language language) { return kRxRowTitles[row - 1](language); }
const char* RxColumnTitle(int column, Language language) { return kRxColumnTitles[column - 1](language); }

ParamControls ParamControlsFromImage(const RadioImage& image, const BandTable& table) {
  RadioImage shown = image;
  NormalizeServiceParams(table, shown);
  ParamControls controls;
  for (std::size_t k = 0; k < table.points.size(); ++k)
    controls.squelch.push_back(std::to_string(shown[kSquelchTable + table.base + k]));
  controls.sqlClose = std::to_string(shown[kSquelchClose]);
  controls.narrowSql = std::to_string(DecodeNarrowSquelch(shown[kNarrowSquelch]));
  for (std::size_t i = 0; i < controls.rx.size(); ++i) controls.rx[i] = std::to_string(shown[kRxParams + i]);
  for (std::size_t i = 0; i < controls.tx.size(); ++i) controls.tx[i] = std::to_string(shown[kMicGain1 + i]);
  return controls;
}

void StoreParamControls(const ParamControls& controls, const BandTable& table, RadioImage& image) {
  image[kSquelchClose] = LowByte(controls.sqlClose);
  image[kNarrowSquelch] = EncodeNarrowSquelch(LeadingInteger(controls.narrowSql));
  const std::size_t rows = std::min(controls.squelch.size(), table.points.size());
  for (std::size_t k = 0; k < rows; ++k) image[kSquelchTable + table.base + k] = LowByte(controls.squelch[k]);
  for (std::size_t i = 0; i < controls.rx.size(); ++i) image[kRxParams + i] = LowByte(controls.rx[i]);
  for (std::size_t i = 0; i < controls.tx.size(); ++i) image[kMicGain1 + i] = LowByte(controls.tx[i]);
  NormalizeServiceParams(table, image);
}

void NormalizeServiceParams(const BandTable& table, RadioImage& image) {
  for (std::size_t k = 0; k < table.points.size(); ++k)
    ForceIntoRange(image[kSquelchTable + table.base + k], ParamList::SqlCell);
  ForceIntoRange(image[kSquelchClose], ParamList::SqlClose);
  if ((image[kNarrowSquelch] & kMagnitude) > RangeOf(ParamList::NarrowSql).max) image[kNarrowSquelch] = 0;
  for (std::size_t i = 0; i < kRxRows * kRxColumns; ++i) ForceIntoRange(image[kRxParams + i], ParamList::RxCell);
  for (std::size_t i = 0; i < kTxLists; ++i) ForceIntoRange(image[kMicGain1 + i], kTxListOrder[i]);
}

int DecodeNarrowSquelch(std::uint8_t byte) {
  const int magnitude = byte & kMagnitude;
  return (byte & kSignBit) ? -magnitude : magnitude;
}

std::uint8_t EncodeNarrowSquelch(long long value) {
  if (value >= 0) return static_cast<std::uint8_t>(value);
  // Negated as unsigned: the lowest long long has no positive counterpart.
  const auto magnitude = 0ULL - static_cast<unsigned long long>(value);
  return static_cast<std::uint8_t>(magnitude | kSignBit);
}

std::string CloseParamCellEditor(ParamList editor, const std::string& typed) {
  const long long n = LeadingInteger(typed);
  const ParamRange& range = RangeOf(editor);
  if (n < range.min || n > range.max) return std::to_string(range.min);
  return typed;
}
