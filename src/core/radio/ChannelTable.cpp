#include "core/radio/ChannelTable.h"

#include <algorithm>
#include <cstdio>

#include "core/radio/ChannelCodecs.h"

const char* ChannelColumnTitle(int column, Language language) {
  if (!IsChannelColumn(column)) return "";
  return ColumnRow(column).title(language);
}

std::string ChannelNumberText(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%2d", n);
  return text;
}

ChannelRow DecodeChannelRow(const RadioImage& image, int n, Language language) {
  const ChannelRecord record = image.Channel(n);
  const bool empty = !FrequencyIsSet(record.rxFrequency()) || !FrequencyIsSet(record.txFrequency());
  ChannelRow row;
  for (const ChannelColumnDef& column : kChannelColumnRows) {
    std::string& cell = row[column.column];
    const std::uint8_t stored = record.raw[static_cast<std::size_t>(column.recordByte)];
    switch (column.codec) {
      case CellCodec::ChannelNumber: cell = ChannelNumberText(n); break;
      case CellCodec::Frequency: cell = DecodeFrequency(record.raw.data() + column.recordByte); break;
      case CellCodec::Tone: {
        // A tone that is set still shows in an empty row; "None" would
        // suggest a channel that does not exist.
        const std::string noTone = empty ? std::string() : std::string((*column.values[0].word)(language));
        cell = DecodeTone(record.ToneAt(column.recordByte), noTone);
        break;
      }
      case CellCodec::RecordBits:
        if (!empty) cell = DecodeChoice(column, stored, language);
        break;
      case CellCodec::ScanBit:
        if (!empty) cell = DecodeChoice(column, image.ScanBit(n) ? 1 : 0, language);
        break;
    }
  }
  return row;
}

void EncodeChannelRow(const ChannelRow& row, int n, RadioImage& image) {
  ChannelRecord record = image.Channel(n);
  bool inScanList = image.ScanBit(n);
  for (const ChannelColumnDef& column : kChannelColumnRows) {
    const std::string& cell = row[column.column];
    std::uint8_t* stored = record.raw.data() + column.recordByte;
    switch (column.codec) {
      case CellCodec::ChannelNumber: break;
      case CellCodec::Frequency: {
        const auto bytes = EncodeFrequency(cell);
        std::copy(bytes.begin(), bytes.end(), stored);
        break;
      }
      case CellCodec::Tone: record.SetToneAt(column.recordByte, EncodeTone(cell)); break;
      case CellCodec::RecordBits: *stored = EncodeChoice(column, *stored, cell); break;
      case CellCodec::ScanBit: inScanList = EncodeChoice(column, 0, cell) != 0; break;
    }
  }
  image.SetChannel(n, record);
  image.SetScanBit(n, inScanList);
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
