#include "core/settings/OptionalFeatures.h"

#include <iterator>
#include <utility>

#include "core/radio/ImageMap.h"
#include "core/settings/SettingsTexts.h"

namespace {

// How a list's index and its stored value meet.
enum class Coding {
  Counted,   // value = index + first
  Bits,      // the masked bits hold the index; a value with no entry shows 0
  OneIsOn,   // index = 1 - value: 1 shows "On", 0 "Off", anything else nothing
  NonzeroOn  // nonzero shows "On"; stores 1 or 0
};

struct ListRule {
  std::uint16_t offset;
  Coding coding;
  int first;          // Counted: the value of entry 0
  std::uint8_t mask;  // Bits: the bits the list owns
  int shift;          // Bits: their lowest position
};

using namespace ImageMap;

// Indexed by ListSlot.
const ListRule kRules[kOptionListCount] = {
    {kTimeOutTimer, Coding::Counted, 1, 0, 0},
    {kSquelchLevel, Coding::Counted, 0, 0, 0},
    {kPriorityChannel, Coding::Counted, 0, 0, 0},
    {kVoiceAnnunciation, Coding::Counted, 0, 0, 0},
    {kSideKeys, Coding::Bits, 0, 0x07, 0},
    {kSideKeys, Coding::Bits, 0, 0x70, 4},
    {kVox, Coding::OneIsOn, 0, 0, 0},
    {kVoxGainLevel, Coding::Counted, 1, 0, 0},
    {kVoxDelayTime, Coding::Counted, 0, 0, 0},
    {kBeep, Coding::NonzeroOn, 0, 0, 0},
    {kBatterySaver, Coding::NonzeroOn, 0, 0, 0},
};

// `count` numbers from `first` in steps of `step`.
std::vector<std::string> Numbers(int first, int count, int step = 1) {
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i) entries.push_back(std::to_string(first + i * step));
  return entries;
}

std::vector<std::string> Seconds(std::vector<std::string> numbers, Language language) {
  for (std::string& n : numbers) n = SecondsText(n, language);
  return numbers;
}

template <std::size_t N>
std::vector<std::string> Texts(const LangText (&texts)[N], Language language) {
  std::vector<std::string> entries;
  for (const LangText& t : texts) entries.push_back(t(language));
  return entries;
}

int EntryCount(OptionList list) { return static_cast<int>(OptionListEntries(list, Language::English).size()); }

}  // namespace

std::uint16_t OptionListOffset(OptionList list) { return kRules[ListSlot(list)].offset; }

std::vector<std::string> OptionListEntries(OptionList list, Language language) {
  switch (list) {
    case OptionList::TimeOutTime: return Seconds(Numbers(15, 40, 15), language);  // one stored unit is 15 s
    case OptionList::SquelchLevel: return Numbers(0, 10);
    case OptionList::PriorityChannel: {
      std::vector<std::string> entries{kOptionOffText(language)};
      for (std::string& n : Numbers(1, ImageMap::kChannelCount)) entries.push_back(std::move(n));
      return entries;
    }
    case OptionList::VoiceAnnunciation: return Texts(kVoiceEntries, language);
    case OptionList::SideKey1:
    case OptionList::SideKey2: return Texts(kSideKeyEntries, language);
    case OptionList::VoxGainLevel: return Numbers(1, 8);
    case OptionList::VoxDelayTime: return Seconds({std::begin(kVoxDelayEntries), std::end(kVoxDelayEntries)}, language);
    case OptionList::Vox:
    case OptionList::Beep:
    case OptionList::BatterySaver: return {kOptionOnText(language), kOptionOffText(language)};
  }
  return {};
}

int OptionIndexFromImage(const RadioImage& image, OptionList list) {
  const ListRule& rule = kRules[ListSlot(list)];
  const int value = image[rule.offset];
  int index = kNoSelection;
  switch (rule.coding) {
    case Coding::Counted: index = value - rule.first; break;
    case Coding::Bits: index = (value & rule.mask) >> rule.shift; break;
    case Coding::OneIsOn: index = 1 - value; break;
    case Coding::NonzeroOn: index = value != 0 ? 0 : 1; break;
  }
  if (index >= 0 && index < EntryCount(list)) return index;
  return rule.coding == Coding::Bits ? 0 : kNoSelection;
}

OptionIndexes OptionIndexesFromImage(const RadioImage& image) {
  OptionIndexes indexes{};
  for (int i = 0; i < kOptionListCount; ++i)
    indexes[static_cast<std::size_t>(i)] = OptionIndexFromImage(image, static_cast<OptionList>(i));
  return indexes;
}

void StoreOptionIndex(OptionList list, int index, RadioImage& image) {
  if (index < 0 || index >= EntryCount(list)) return;
  const ListRule& rule = kRules[ListSlot(list)];
  std::uint8_t& byte = image[rule.offset];
  switch (rule.coding) {
    case Coding::Counted: byte = static_cast<std::uint8_t>(index + rule.first); break;
    case Coding::Bits: byte = static_cast<std::uint8_t>((byte & ~rule.mask) | (index << rule.shift)); break;
    case Coding::OneIsOn:
    case Coding::NonzeroOn: byte = index == 0 ? 1 : 0; break;
  }
}

void StoreOptionIndexes(const OptionIndexes& indexes, RadioImage& image) {
  for (int i = 0; i < kOptionListCount; ++i)
    StoreOptionIndex(static_cast<OptionList>(i), indexes[static_cast<std::size_t>(i)], image);
}
