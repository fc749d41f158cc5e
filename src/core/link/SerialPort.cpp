#include "core/link/SerialPort.h"

int CSerialPort::OpenExclusive(const std::string& device) { return m_line.OpenExclusive(device).code; }

int CSerialPort::Open(const std::string& device, const PortSettings& settings) {
  if (const OsError err = m_line.OpenExclusive(device)) return err.code;
  const OsError cfg = m_line.Configure(settings);
  if (cfg) Close();
  return cfg.code;
}

std::size_t CSerialPort::Read(std::uint8_t* buffer, std::size_t n) {
  return m_line.Read(buffer, n,
                     [this](const std::uint8_t* bytes, std::size_t k) { Tap(WireEvent::Received, bytes, k); });
}

bool CSerialPort::Write(const std::uint8_t* data, std::size_t n) {
  if (!m_line.IsOpen() || m_line.HungUp()) return false;
  const std::size_t sent = m_line.Write(data, n);
  if (sent > 0) Tap(WireEvent::Sent, data, sent);
  return sent == n;
}

void CSerialPort::Purge() {
  if (!m_line.IsOpen()) return;
  m_line.Purge();
  Tap(WireEvent::Purged, nullptr, 0);
}
