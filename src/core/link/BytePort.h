#pragma once
// What the clone link needs of a line: bytes in and out with time-outs, a
// purge, and the line's own clock. The serial port is the one real line;
// tests and the fuzzer put a scripted one in its place, whose time-outs
// expire at once.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/link/LinkSettings.h"

enum class WireEvent { Sent, Received, Purged };
// Sees every byte that went out or came in, and every purge. For traces and
// tests; it runs on the caller's thread inside Read, Write and Purge.
using WireTap = std::function<void(WireEvent, const std::uint8_t*, std::size_t)>;

class CBytePort {
 public:
  virtual ~CBytePort() = default;

  // Returns 0 or the OsError code that explains the failure.
  virtual int Open(const std::string& device, const PortSettings& settings) = 0;
  // Returns the number of bytes read, 0 to n, once all came or the
  // time-outs of the settings given to Open ran out.
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t n) = 0;
  // True when all n bytes were handed over within the write time-out.
  virtual bool Write(const std::uint8_t* data, std::size_t n) = 0;
  // Discards whatever waits in either direction.
  virtual void Purge() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // The line dropped (device unplugged, other end closed): nothing will
  // come any more, and reads return at once.
  virtual bool HungUp() const = 0;

  // The clock that the link's waits are measured on: monotonic milliseconds.
  virtual std::int64_t NowMs() const;
  // Sleeps at least ms milliseconds on that clock.
  virtual void SleepMs(int ms);

  void SetTap(WireTap tap) { m_tap = std::move(tap); }

 protected:
  void Tap(WireEvent event, const std::uint8_t* data, std::size_t n) const {
    if (m_tap) m_tap(event, data, n);
  }

 private:
  WireTap m_tap;
};
