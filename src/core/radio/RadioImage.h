#pragma once
// The radio's whole configuration memory, as one document holds it.
#include <array>
#include <cstdint>

#include "core/radio/ImageMap.h"

// A tone field: high byte selects none / DCS normal / DCS inverted / CTCSS.
using ToneWord = std::uint16_t;

inline std::uint8_t ToneHigh(ToneWord w) { return static_cast<std::uint8_t>(w >> 8); }
inline std::uint8_t ToneLow(ToneWord w) { return static_cast<std::uint8_t>(w & 0xFF); }
inline ToneWord MakeToneWord(std::uint8_t high, std::uint8_t low) { return static_cast<ToneWord>((high << 8) | low); }

// One channel's 16 bytes, copied out of the image so that codecs can change
// bits of it without touching the image until the record is put back.
struct ChannelRecord {
  std::array<std::uint8_t, ImageMap::kChannelRecordSize> raw{};

  const std::uint8_t* rxFrequency() const { return raw.data() + ImageMap::Channel::kRxFrequency; }
  std::uint8_t* rxFrequency() { return raw.data() + ImageMap::Channel::kRxFrequency; }
  const std::uint8_t* txFrequency() const { return raw.data() + ImageMap::Channel::kTxFrequency; }
  std::uint8_t* txFrequency() { return raw.data() + ImageMap::Channel::kTxFrequency; }

  ToneWord decodeTone() const { return ToneAt(ImageMap::Channel::kDecodeTone); }
  void setDecodeTone(ToneWord w) { SetToneAt(ImageMap::Channel::kDecodeTone, w); }
  ToneWord encodeTone() const { return ToneAt(ImageMap::Channel::kEncodeTone); }
  void setEncodeTone(ToneWord w) { SetToneAt(ImageMap::Channel::kEncodeTone, w); }

  std::uint8_t& signalFlags() { return raw[ImageMap::Channel::kSignalFlags]; }
  std::uint8_t signalFlags() const { return raw[ImageMap::Channel::kSignalFlags]; }
  std::uint8_t& modeFlags() { return raw[ImageMap::Channel::kModeFlags]; }
  std::uint8_t modeFlags() const { return raw[ImageMap::Channel::kModeFlags]; }

  // The tone word at byte `at`, low byte first.
  ToneWord ToneAt(int at) const { return MakeToneWord(raw[at + 1], raw[at]); }
  void SetToneAt(int at, ToneWord w) {
    raw[at] = ToneLow(w);
    raw[at + 1] = ToneHigh(w);
  }
};

class RadioImage {
 public:
  RadioImage() { bytes.fill(ImageMap::kErased); }

  std::uint8_t& operator[](std::size_t offset) { return bytes.at(offset); }
  std::uint8_t operator[](std::size_t offset) const { return bytes.at(offset); }
  std::uint8_t* data() { return bytes.data(); }
  const std::uint8_t* data() const { return bytes.data(); }
  static constexpr std::size_t size() { return ImageMap::kImageSize; }

  // n is 1-16.
  static std::uint16_t ChannelOffset(int n);
  ChannelRecord Channel(int n) const;
  void SetChannel(int n, const ChannelRecord& record);

  bool ScanBit(int n) const;
  void SetScanBit(int n, bool inScanList);

  std::uint8_t voiceAnnunciation() const { return bytes[ImageMap::kVoiceAnnunciation]; }
  std::uint8_t timeOutTimer() const { return bytes[ImageMap::kTimeOutTimer]; }
  std::uint8_t squelchLevel() const { return bytes[ImageMap::kSquelchLevel]; }
  std::uint8_t batterySaver() const { return bytes[ImageMap::kBatterySaver]; }
  std::uint8_t beep() const { return bytes[ImageMap::kBeep]; }
  std::uint8_t vox() const { return bytes[ImageMap::kVox]; }
  std::uint8_t voxGainLevel() const { return bytes[ImageMap::kVoxGainLevel]; }
  std::uint8_t voxDelayTime() const { return bytes[ImageMap::kVoxDelayTime]; }
  std::uint8_t priorityChannel() const { return bytes[ImageMap::kPriorityChannel]; }
  std::uint8_t productType() const { return bytes[ImageMap::kProductType]; }
  std::uint8_t productBand() const { return bytes[ImageMap::kProductBand]; }
  std::uint8_t sideKeys() const { return bytes[ImageMap::kSideKeys]; }

  // entry 0-8, level 0 low, 1 middle, 2 high.
  static std::uint16_t PowerTableOffset(int entry, int level);

  std::array<std::uint8_t, ImageMap::kImageSize> bytes;
};

inline bool operator==(const RadioImage& a, const RadioImage& b) { return a.bytes == b.bytes; }
inline bool operator!=(const RadioImage& a, const RadioImage& b) { return !(a == b); }
