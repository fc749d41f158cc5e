#pragma once
// A serial device on termios, with read and write time-outs that mean what
// the link settings say: a read ends when all bytes came, when the gap after
// a byte exceeds the interval time-out, or when the total time-out is up.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/link/BytePort.h"
#include "core/link/LinkSettings.h"

struct termios;

class CSerialPort final : public CBytePort {
 public:
  CSerialPort();
  ~CSerialPort() override;
  CSerialPort(const CSerialPort&) = delete;
  CSerialPort& operator=(const CSerialPort&) = delete;

  // Opens the device for this process alone, leaving its settings as they are
  // until Close gives back what they were. Returns 0 or the errno that
  // explains the failure (EBUSY when someone else holds it, root or not,
  // ENOTTY when it is no serial device); a device refused is not touched.
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
  std::unique_ptr<termios> m_pSavedLine;  // the line settings as the port was found
};
