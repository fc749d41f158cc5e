#include "core/radio/ChannelTable.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/radio/ChannelCodecs.h"
#include "core/radio/RadioTexts.h"

static_assert(std::size(kChannelColumnTitles) == kChannelColumns, "a title for every column");

const char* ChannelColumnTitle(int column, Language language) {
  if (column < 0 || column >= kChannelColumns) return "";
  return kChannelColumnTitles[column](language);
}

std::string ChannelNumberText(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", n);
  return text;
}

ChannelRow DecodeChannelRow(const RadioImage& image, int n, Language language) {
  const ChannelRecord record = image.Channel(n);
  ChannelRow row;
  row[kColChannel] = ChannelNumberText(n);
  row[kColRxFrequency] = DecodeFrequency(record.rxFrequency());
  row[kColTxFrequency] = DecodeFrequency(record.txFrequency());

  const bool empty = !FrequencyIsSet(record.rxFrequency()) || !FrequencyIsSet(record.txFrequency());
  // A tone that is set still shows in an empty row; "None" would suggest a
  // channel that does not exist.
  const std::string noTone = empty ? std::string() : std::string(kNoToneText(language));
  row[kColDecodeTone] = DecodeTone(record.decodeTone(), noTone);
  row[kColEncodeTone] = DecodeTone(record.encodeTone(), noTone);
  if (!empty) {
    row[kColBandwidth] = DecodeBandwidth(record.modeFlags(), language);
    row[kColScan] = DecodeScan(image.ScanBit(n), language);
    row[kColBusyLock] = DecodeBusyLock(record.signalFlags(), language);
    row[kColPower] = DecodePower(record.modeFlags(), language);
  }
  return row;
}

void EncodeChannelRow(const ChannelRow& row, int n, RadioImage& image) {
  ChannelRecord record = image.Channel(n);
  const auto rx = EncodeFrequency(row[kColRxFrequency]);
  const auto tx = EncodeFrequency(row[kColTxFrequency]);
  std::copy(rx.begin(), rx.end(), record.rxFrequency());
  std::copy(tx.begin(), tx.end(), record.txFrequency());
  record.setDecodeTone(EncodeTone(row[kColDecodeTone]));
  record.setEncodeTone(EncodeTone(row[kColEncodeTone]));
  record.modeFlags() = EncodeBandwidth(record.modeFlags(), row[kColBandwidth]);
  record.signalFlags() = EncodeBusyLock(record.signalFlags(), row[kColBusyLock]);
  record.modeFlags() = EncodePower(record.modeFlags(), row[kColPower]);
  image.SetChannel(n, record);
  image.SetScanBit(n, EncodeScan(row[kColScan]));
}

ChannelTable TableFromImage(const RadioImage& image, Language language) {
  ChannelTable table;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) table[n - 1] = DecodeChannelRow(image, n, language);
  return table;
}

void StoreTableToImage(const ChannelTable& table, RadioImage& image) {
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) EncodeChannelRow(table[n - 1], n, image);
  image[ImageMap::kProgrammedMarker] = ImageMap::kProgrammedMarkerValue;
}

void StoreImageThroughTable(RadioImage& image) { StoreTableToImage(TableFromImage(image, Language::English), image); }
