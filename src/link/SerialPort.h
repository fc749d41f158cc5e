#pragma once
// A serial device on termios, with read and write time-outs that mean what
// the link settings say: a read ends when all bytes came, when the gap after
// a byte exceeds the interval time-out, or when the total time-out is up.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "link/LinkSettings.h"

enum class WireEvent { Sent, Received, Purged };
// Sees every byte that went out or came in, and every purge. For traces and
// tests; it runs on the caller's thread inside Read, Write and Purge.
using WireTap = std::function<void(WireEvent, const std::uint8_t*, std::size_t)>;

class CSerialPort {
 public:
  CSerialPort() = default;
  ~CSerialPort() { Close(); }
  CSerialPort(const CSerialPort&) = delete;
  CSerialPort& operator=(const CSerialPort&) = delete;

  // Opens the device for this process alone, leaving its settings as they are.
  // Returns 0 or the errno that explains the failure (EBUSY when someone else
  // holds it, ENOTTY when it is no serial device).
  int OpenExclusive(const std::string& device);
  // OpenExclusive, then time-outs, line settings and modem lines.
  int Open(const std::string& device, const PortSettings& settings);

  // Returns the number of bytes read, 0 to n. Signals do not shorten it.
  std::size_t Read(std::uint8_t* buffer, std::size_t n);
  // True when all n bytes were handed to the driver within the write time-out.
  bool Write(const std::uint8_t* data, std::size_t n);
  // Discards whatever waits in either direction.
  void Purge();
  void Close();

  bool IsOpen() const { return m_fd >= 0; }
  // The line dropped (device unplugged, other end closed): reads return at once.
  bool HungUp() const { return m_bHungUp; }
  void SetTap(WireTap tap) { m_tap = std::move(tap); }

 private:
  int Configure(const PortSettings& settings);
  void Tap(WireEvent event, const std::uint8_t* data, std::size_t n) const {
    if (m_tap) m_tap(event, data, n);
  }

  int m_fd = -1;
  bool m_bHungUp = false;
  PortSettings m_settings;
  WireTap m_tap;
};
