#pragma once
// Offsets of every field of the radio's 1024-byte memory. The same numbers are
// the addresses the clone protocol sends. Anything not named here is carried
// through untouched.
#include <cstddef>
#include <cstdint>

namespace ImageMap {

constexpr std::size_t kImageSize = 1024;
constexpr std::size_t kBlockSize = 16;
constexpr std::size_t kBlockCount = kImageSize / kBlockSize;
constexpr std::uint8_t kErased = 0xFF;

constexpr int kChannelCount = 16;
constexpr std::uint16_t kChannelBase = 0x010;  // channel n at 0x10 * n
constexpr std::uint16_t kChannelRecordSize = 16;

constexpr std::uint16_t kVoiceAnnunciation = 0x12F;
constexpr std::uint16_t kTimeOutTimer = 0x130;
constexpr std::uint16_t kSquelchLevel = 0x134;
constexpr std::uint16_t kBatterySaver = 0x135;
constexpr std::uint16_t kBeep = 0x136;
constexpr std::uint16_t kVox = 0x139;
constexpr std::uint16_t kVoxGainLevel = 0x13A;
constexpr std::uint16_t kVoxDelayTime = 0x13B;
constexpr std::uint16_t kPriorityChannel = 0x161;
constexpr std::uint16_t kScanBits = 0x17E;  // channels 1-8, then 9-16 at 0x17F
constexpr std::uint16_t kProgrammedMarker = 0x1B8;
constexpr std::uint8_t kProgrammedMarkerValue = 0x50;  // 'P'

constexpr std::uint16_t kParamArea = 0x300;  // 32 bytes
constexpr std::uint16_t kParamAreaEnd = 0x320;
constexpr std::uint16_t kSquelchTable = 0x300;  // 13 entries
constexpr int kSquelchTableEntries = 13;
constexpr std::uint16_t kSquelchClose = 0x30D;
constexpr std::uint16_t kNarrowSquelch = 0x30E;
constexpr std::uint16_t kRxParams = 0x30F;  // 3 rows x (wide, narrow)
constexpr std::uint16_t kMicGain1 = 0x315;
constexpr std::uint16_t kMicGain2 = 0x316;
constexpr std::uint16_t kMicGain3 = 0x317;
constexpr std::uint16_t kMaxDeviation = 0x318;
constexpr std::uint16_t kCtcssDeviation = 0x319;
constexpr std::uint16_t kDcsDeviation = 0x31A;

constexpr std::uint16_t kProductType = 0x32E;
constexpr std::uint16_t kProductBand = 0x32F;
constexpr std::uint16_t kDefaultsOnlyByte = 0x390;
constexpr std::uint16_t kSideKeys = 0x391;

constexpr std::uint16_t kPowerTable = 0x3E0;  // 9 entries x (low, middle, high)
constexpr int kPowerTableEntries = 9;
constexpr std::uint16_t kPowerTableEnd = 0x3FB;

// 0x3FB-0x3FF never travel to or from the radio; only files keep them.
constexpr std::uint16_t kFileOnlyStart = 0x3FB;

// ChannelRecord byte positions.
namespace Channel {
constexpr int kRxFrequency = 0;
constexpr int kTxFrequency = 4;
constexpr int kDecodeTone = 8;
constexpr int kEncodeTone = 10;
constexpr int kSignalFlags = 12;
constexpr int kModeFlags = 13;

constexpr std::uint8_t kBusyLockMask = 0x18;
constexpr std::uint8_t kBusyLockCarrier = 0x08;
constexpr std::uint8_t kBusyLockTone = 0x10;
constexpr std::uint8_t kWideBit = 0x10;
constexpr std::uint8_t kPowerMask = 0x60;
constexpr std::uint8_t kPowerHigh = 0x20;
constexpr std::uint8_t kPowerMiddle = 0x40;
}  // namespace Channel

}  // namespace ImageMap
