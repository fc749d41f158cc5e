#pragma once
// The serial device as the clone link's line: the device itself is the
// operating system's (core/os/SerialLine.h); here every byte and purge also
// reaches the wire tap.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/link/BytePort.h"
#include "core/link/LinkSettings.h"
#include "core/os/SerialLine.h"

class CSerialPort final : public CBytePort {
 public:
  CSerialPort() = default;
  ~CSerialPort() override { Close(); }
  CSerialPort(const CSerialPort&) = delete;
  CSerialPort& operator=(const CSerialPort&) = delete;

  // Opens the device for this process alone, leaving its settings as they are
  // until Close gives back what they were. Returns 0 or the error number that
  // explains the failure (EBUSY when someone else holds it, root or not,
  // ENOTTY when it is no serial device); a device refused is not touched.
  int OpenExclusive(const std::string& device);
  // OpenExclusive, then time-outs, line settings and modem lines.
  int Open(const std::string& device, const PortSettings& settings) override;

  // Signals do not shorten a read.
  std::size_t Read(std::uint8_t* buffer, std::size_t n) override;
  bool Write(const std::uint8_t* data, std::size_t n) override;
  void Purge() override;
  void Close() override { m_line.Close(); }

  bool IsOpen() const override { return m_line.IsOpen(); }
  bool HungUp() const override { return m_line.HungUp(); }

 private:
  CSerialLine m_line;
};
