#pragma once
// The PC's side of the clone protocol: wake the radio with the handshake,
// then move the image in acknowledged blocks of at most 16 bytes.
#include <cstdint>
#include <functional>
#include <string>

#include "core/link/BytePort.h"
#include "core/link/LinkSettings.h"
#include "core/link/TransferRanges.h"
#include "core/radio/RadioImage.h"

enum class LinkStatus {
  Ok,
  PortOpenFailed,
  NoHandshakeReply,
  IdentTooShort,
  ConfirmNotAcked,
  ShortBlock,
  BlockNotAcked,
  Cancelled,
};

const char* LinkStatusName(LinkStatus status);

namespace CloneWire {
constexpr std::uint8_t kHandshake[8] = {0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4E};
constexpr std::uint8_t kIdentRequest = 0x02;
constexpr std::size_t kIdentLength = 8;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kReadCommand = 0x52;
constexpr std::uint8_t kWriteCommand = 0x57;
constexpr std::size_t kReadHeaderLength = 4;
}  // namespace CloneWire

class CCloneLink {
 public:
  // `port` is the serial port, or a scripted line in tests; it must outlive
  // the link.
  explicit CCloneLink(CBytePort& port) : m_port(port) {}

  LinkStatus Open(const std::string& device, const LinkSettings& settings);
  // OsError code of the failed Open, 0 otherwise.
  int OpenError() const { return m_nOpenError; }

  LinkStatus Handshake();
  // Copies the block into `image` as soon as its data arrived, before the
  // acknowledgement exchange.
  LinkStatus ReadBlock(std::uint16_t offset, std::uint8_t length, RadioImage& image);
  LinkStatus WriteBlock(std::uint16_t offset, std::uint8_t length, const RadioImage& image);
  // onBlockDone runs after every acknowledged block and returns true to stop.
  LinkStatus Transfer(Direction direction, const Ranges& ranges, RadioImage& image,
                      const std::function<bool()>& onBlockDone);
  void Close() { m_port.Close(); }
  bool IsOpen() const { return m_port.IsOpen(); }

  // Asked between handshake attempts and between the reads of a reply wait,
  // so that a silent radio need not be waited out.
  void SetCancelCheck(std::function<bool()> check) { m_cancelCheck = std::move(check); }
  void SetTap(WireTap tap) { m_port.SetTap(std::move(tap)); }

 private:
  bool CancelRequested() const { return m_cancelCheck && m_cancelCheck(); }
  bool ReadAck();
  LinkStatus WaitHandshakeReply();

  CBytePort& m_port;
  LinkSettings m_settings;
  int m_nOpenError = 0;
  std::function<bool()> m_cancelCheck;
};
