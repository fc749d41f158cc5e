#pragma once
// A serial device held by this process alone, with read and write time-outs
// that mean what the settings say: a read ends when all bytes came, when the
// gap after a byte exceeds the interval time-out, or when the total time-out
// is up. The line settings it found are given back when it closes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/os/OsError.h"
#include "core/os/SerialSettings.h"

class CSerialLine {
 public:
  CSerialLine();
  ~CSerialLine();
  CSerialLine(const CSerialLine&) = delete;
  CSerialLine& operator=(const CSerialLine&) = delete;

  // Opens the device for this process alone, leaving its settings as they are
  // until Close gives back what they were. EBUSY when someone else holds it,
  // the administrator or not, ENOTTY when it is no serial device; a device
  // refused is not touched.
  OsError OpenExclusive(const std::string& device);
  // Raw, 8N1 at the settings' speed, the modem lines raised if asked; the
  // time-outs hold for every later Read and Write.
  OsError Configure(const PortSettings& settings);

  // The bytes read, 0 to n; `received` sees each piece as it comes. Signals
  // do not shorten a read.
  std::size_t Read(std::uint8_t* buffer, std::size_t n,
                   const std::function<void(const std::uint8_t*, std::size_t)>& received);
  // The bytes handed over within the write time-out, 0 to n.
  std::size_t Write(const std::uint8_t* data, std::size_t n);
  // Discards whatever waits in either direction.
  void Purge();
  void Close();

  bool IsOpen() const { return m_fd >= 0; }
  bool HungUp() const { return m_bHungUp; }

 private:
  struct SavedLine;

  int m_fd = -1;
  bool m_bHungUp = false;
  PortSettings m_settings;
  std::unique_ptr<SavedLine> m_pSavedLine;  // the line settings as the device was found
};
