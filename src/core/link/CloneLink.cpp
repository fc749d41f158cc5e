#include "core/link/CloneLink.h"

#include "core/link/ElapsedTimer.h"

const char* LinkStatusName(LinkStatus status) {
  switch (status) {
    case LinkStatus::Ok: return "Ok";
    case LinkStatus::PortOpenFailed: return "PortOpenFailed";
    case LinkStatus::NoHandshakeReply: return "NoHandshakeReply";
    case LinkStatus::IdentTooShort: return "IdentTooShort";
    case LinkStatus::ConfirmNotAcked: return "ConfirmNotAcked";
    case LinkStatus::ShortBlock: return "ShortBlock";
    case LinkStatus::BlockNotAcked: return "BlockNotAcked";
    case LinkStatus::Cancelled: return "Cancelled";
  }
  return "?";
}

LinkStatus CCloneLink::Open(const std::string& device, const LinkSettings& settings) {
  m_settings = settings;
  m_nOpenError = m_port.Open(device, settings.port);
  return m_nOpenError == 0 ? LinkStatus::Ok : LinkStatus::PortOpenFailed;
}

bool CCloneLink::ReadAck() {
  std::uint8_t b = 0;
  return m_port.Read(&b, 1) == 1 && b == CloneWire::kAck;
}

LinkStatus CCloneLink::WaitHandshakeReply() {
  if (m_settings.replyWait == ReplyWait::SingleRead) return ReadAck() ? LinkStatus::Ok : LinkStatus::NoHandshakeReply;
  // Stopwatch: other bytes are thrown away; a new read starts only while the
  // wait has not run out, so the last read may end a little after it.
  CElapsedTimer timer(m_port);
  for (;;) {
    if (ReadAck()) return LinkStatus::Ok;
    // A dead line answers every read at once: without this the wait would
    // spin through it at full speed.
    if (m_port.HungUp()) return LinkStatus::NoHandshakeReply;
    if (timer.ElapsedMs() > m_settings.replyWaitMs) return LinkStatus::NoHandshakeReply;
    if (CancelRequested()) return LinkStatus::Cancelled;
  }
}

LinkStatus CCloneLink::Handshake() {
  if (m_settings.purge == PurgePolicy::OnceBeforeFirstAttempt) m_port.Purge();
  bool woken = false;
  for (int attempt = 0; attempt < m_settings.handshakeAttempts && !woken; ++attempt) {
    if (attempt > 0 && CancelRequested()) return LinkStatus::Cancelled;
    if (m_settings.purge == PurgePolicy::BeforeEachAttempt) m_port.Purge();
    for (std::uint8_t b : CloneWire::kHandshake) {
      m_port.SleepMs(m_settings.handshakeByteGapMs);
      m_port.Write(&b, 1);
    }
    m_port.SleepMs(m_settings.pauseBeforeReplyMs);
    const LinkStatus reply = WaitHandshakeReply();
    if (reply == LinkStatus::Cancelled) return reply;
    woken = reply == LinkStatus::Ok;
    if (!woken && m_port.HungUp()) break;  // no later attempt can reach the radio
  }
  if (!woken) return LinkStatus::NoHandshakeReply;

  m_port.Purge();
  const std::uint8_t request = CloneWire::kIdentRequest;
  m_port.Write(&request, 1);
  std::uint8_t ident[CloneWire::kIdentLength];
  if (m_port.Read(ident, sizeof ident) < sizeof ident) return LinkStatus::IdentTooShort;

  m_port.Purge();
  const std::uint8_t confirm = CloneWire::kAck;
  m_port.Write(&confirm, 1);
  return ReadAck() ? LinkStatus::Ok : LinkStatus::ConfirmNotAcked;
}

LinkStatus CCloneLink::ReadBlock(std::uint16_t offset, std::uint8_t length, RadioImage& image) {
  if (length == 0 || length > ImageMap::kBlockSize || offset + length > RadioImage::size())
    return LinkStatus::ShortBlock;
  const std::uint8_t command[4] = {CloneWire::kReadCommand, static_cast<std::uint8_t>(offset >> 8),
                                   static_cast<std::uint8_t>(offset & 0xFF), length};
  m_port.Purge();
  m_port.Write(command, sizeof command);
  std::uint8_t header[CloneWire::kReadHeaderLength];
  (void)m_port.Read(header, sizeof header);  // its contents mean nothing to us
  std::uint8_t data[ImageMap::kBlockSize];
  if (m_port.Read(data, length) < length) return LinkStatus::ShortBlock;
  for (std::uint8_t i = 0; i < length; ++i) image[offset + i] = data[i];

  m_port.Purge();
  const std::uint8_t ack = CloneWire::kAck;
  m_port.Write(&ack, 1);
  return ReadAck() ? LinkStatus::Ok : LinkStatus::BlockNotAcked;
}

LinkStatus CCloneLink::WriteBlock(std::uint16_t offset, std::uint8_t length, const RadioImage& image) {
  if (length == 0 || length > ImageMap::kBlockSize || offset + length > RadioImage::size())
    return LinkStatus::BlockNotAcked;
  std::uint8_t frame[4 + ImageMap::kBlockSize] = {CloneWire::kWriteCommand, static_cast<std::uint8_t>(offset >> 8),
                                                  static_cast<std::uint8_t>(offset & 0xFF), length};
  for (std::uint8_t i = 0; i < length; ++i) frame[4 + i] = image[offset + i];
  m_port.Purge();
  m_port.Write(frame, 4u + length);
  return ReadAck() ? LinkStatus::Ok : LinkStatus::BlockNotAcked;
}

LinkStatus CCloneLink::Transfer(Direction direction, const Ranges& ranges, RadioImage& image,
                                const std::function<bool()>& onBlockDone) {
  for (const AddressRange& range : ranges) {
    for (std::size_t a = range.start; a < range.end;) {
      const std::size_t n = BlockLength(a, range.end);
      const auto offset = static_cast<std::uint16_t>(a);
      const auto length = static_cast<std::uint8_t>(n);
      const LinkStatus status =
          direction == Direction::Read ? ReadBlock(offset, length, image) : WriteBlock(offset, length, image);
      if (status != LinkStatus::Ok) return status;
      if (onBlockDone && onBlockDone()) return LinkStatus::Cancelled;
      a += n;
    }
  }
  return LinkStatus::Ok;
}
