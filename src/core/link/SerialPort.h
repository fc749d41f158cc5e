#pragma once
// A serial device on termios, with read and write time-outs that mean what
// the link settings say: a read ends when all bytes came, when the gap after
// a byte exceeds the interval time-out, or when the total time-out is up.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/link/BytePort.h"
#include "core/link/LinkSettings.h"

class CSerialPort final : public CBytePort {
 public:
  CSerialPort() = default;
  ~CSerialPort() override { Close(); }
  CSerialPort(const CSerialPort&) = delete;
  CSerialPort& operator=(const CSerialPort&) = delete;

  // Opens the device for this process alone, leaving its settings as they are.
  // Returns 0 or the errno that explains the failure (EBUSY when someone else
  // holds it, ENOTTY when it is no serial device).
  int OpenExclusive(const std::string& device);
  // OpenExclusive, then time-outs, line settings and modem lines.
  int Open(const std::string& device, const PortSettings& settings) override;

  // Signals do not shorten a read.
  std::size_t Read(std::uint8_t* buffer, std::size_t n) override;
  bool Write(const std::uint8_t* data, std::size_t n) override;
  void Purge() override;
  void Close() override;

  bool IsOpen() const override { return m_fd >= 0; }
  bool HungUp() const override { return m_bHungUp; }

 private:
  int Configure(const PortSettings& settings);

  int m_fd = -1;
  bool m_bHungUp = false;
  PortSettings m_settings;
};
