#include "core/settings/OptionalFeatures.h"

#include <algorithm>

namespace {

const OptionStorage& Storage(OptionList list) { return OptionRowOf(list).storage; }

// The index the coding gives a byte, whether or not the list has it.
int IndexOfByte(const OptionStorage& storage, std::uint8_t value) {
  switch (storage.coding) {
    case OptionCoding::Counted: return value - storage.first;
    case OptionCoding::Bits: return (value & storage.mask) >> storage.shift;
    case OptionCoding::OneIsOn: return 1 - value;
    case OptionCoding::NonzeroOn: return value != 0 ? 0 : 1;
  }
  return kNoSelection;
}

// Number `n` of the list's numbers, also before or past them.
std::string NumberEntry(const OptionEntries& entries, int n, Language language) {
  const std::string number = std::to_string(entries.firstNumber + n * entries.step);
  return entries.seconds ? SecondsText(number, language) : number;
}

std::string Entry(const OptionEntries& entries, int index, Language language) {
  if (index < entries.wordCount) return entries.words[index](language);
  return NumberEntry(entries, index - entries.wordCount, language);
}

}  // namespace

std::uint16_t OptionListOffset(OptionList list) { return Storage(list).offset; }

std::vector<std::string> OptionListEntries(OptionList list, Language language) {
  const OptionEntries& entries = OptionRowOf(list).entries;
  std::vector<std::string> all;
  for (int i = 0; i < entries.count(); ++i) all.push_back(Entry(entries, i, language));
  return all;
}

int OptionIndexFromImage(const RadioImage& image, OptionList list) {
  const OptionStorage& storage = Storage(list);
  const int index = IndexOfByte(storage, image[storage.offset]);
  if (index >= 0 && index < OptionRowOf(list).entries.count()) return index;
  return storage.coding == OptionCoding::Bits ? 0 : kNoSelection;
}

OptionIndexes OptionIndexesFromImage(const RadioImage& image) {
  OptionIndexes indexes{};
  for (const OptionRow& row : kOptionRows) indexes[ListSlot(row.list)] = OptionIndexFromImage(image, row.list);
  return indexes;
}

void StoreOptionIndex(OptionList list, int index, RadioImage& image) {
  if (index < 0 || index >= OptionRowOf(list).entries.count()) return;
  const OptionStorage& storage = Storage(list);
  std::uint8_t& byte = image[storage.offset];
  switch (storage.coding) {
    case OptionCoding::Counted: byte = static_cast<std::uint8_t>(index + storage.first); break;
    case OptionCoding::Bits: byte = static_cast<std::uint8_t>((byte & ~storage.mask) | (index << storage.shift)); break;
    case OptionCoding::OneIsOn:
    case OptionCoding::NonzeroOn: byte = index == 0 ? 1 : 0; break;
  }
}

void StoreOptionIndexes(const OptionIndexes& indexes, RadioImage& image) {
  for (const OptionRow& row : kOptionRows) StoreOptionIndex(row.list, indexes[ListSlot(row.list)], image);
}

std::string OptionPrintedValue(const RadioImage& image, OptionList list, Language language) {
  const OptionRow& row = OptionRowOf(list);
  const OptionEntries& entries = row.entries;
  const std::uint8_t byte = image[row.storage.offset];
  switch (row.print.rule) {
    case OptionPrint::CountingZeroOff:
      if (byte == 0) return kOptionOffText(language);
      [[fallthrough]];
    case OptionPrint::Counting: return NumberEntry(entries, IndexOfByte(row.storage, byte) - entries.wordCount, language);
    case OptionPrint::LastForRest:
      return Entry(entries, std::clamp(IndexOfByte(row.storage, byte), 0, entries.count() - 1), language);
    case OptionPrint::LowBit: return Entry(entries, IndexOfByte(row.storage, byte & 1), language);
    case OptionPrint::No: break;
  }
  return {};
}
