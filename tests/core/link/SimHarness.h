#pragma once
// A simulated radio on its own thread for a test, reachable through a link in
// the test's temporary folder, and helpers to look at the wire.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "RadioSim.h"
#include "core/link/CloneLink.h"
#include "core/link/LinkSettings.h"
#include "core/radio/RadioImage.h"
#include "support/TempDir.h"

// Every byte differs from its neighbours, and `seed` tells images apart.
inline RadioImage PatternImage(int seed) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>((i * 37 + static_cast<std::size_t>(seed) * 101 + (i >> 8)) & 0xFF);
  return image;
}

// The main settings with time-outs short enough that a silent radio fails
// within a second, yet long enough that a radio answering late on a loaded
// machine still answers in time. Everything else stays as the main settings
// have it.
inline LinkSettings FastLinkSettings(LinkSettings s = MainLinkSettings()) {
  s.port.readIntervalMs = 100;
  s.port.readTotalPerByteMs = 10;
  s.port.readTotalConstantMs = 200;
  s.replyWaitMs = 60;
  return s;
}

class CSimHarness {
 public:
  explicit CSimHarness(const RadioImage& memory = PatternImage(1), SimOptions options = SimOptions{}) {
    options.linkPath = m_dir.file("radio");
    m_sim = std::make_unique<CRadioSim>(memory, options);
    std::string error;
    if (!m_sim->Open(error)) throw std::runtime_error(error);
    m_sim->Start();
  }
  ~CSimHarness() { m_sim->Stop(); }

  static SimOptions Fast() {
    SimOptions o;
    o.baud = 0;
    return o;
  }

  CRadioSim& sim() { return *m_sim; }
  std::string device() const { return m_dir.file("radio"); }
  const TempDir& dir() const { return m_dir; }

  std::vector<std::uint8_t> FromPc() const { return Bytes(true); }
  std::vector<std::uint8_t> FromRadio() const { return Bytes(false); }

 private:
  std::vector<std::uint8_t> Bytes(bool fromPc) const {
    std::vector<std::uint8_t> out;
    for (const TraceEntry& e : m_sim->Trace())
      if (e.fromPc == fromPc) out.push_back(e.byte);
    return out;
  }

  TempDir m_dir;
  std::unique_ptr<CRadioSim> m_sim;
};

// What the PC sees, with the time of each event, through the port's tap.
struct WireRecord {
  WireEvent event;
  std::uint8_t byte;  // 0 for a purge
  std::chrono::steady_clock::time_point at;
};

class CWireRecorder {
 public:
  WireTap Tap() {
    return [this](WireEvent event, const std::uint8_t* data, std::size_t n) {
      const auto now = std::chrono::steady_clock::now();
      std::lock_guard<std::mutex> lock(m_mutex);
      if (event == WireEvent::Purged) m_records.push_back({event, 0, now});
      for (std::size_t i = 0; i < n; ++i) m_records.push_back({event, data[i], now});
    };
  }
  std::vector<WireRecord> Records() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_records;
  }
  std::vector<WireRecord> Of(WireEvent event) const {
    std::vector<WireRecord> out;
    for (const WireRecord& r : Records())
      if (r.event == event) out.push_back(r);
    return out;
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<WireRecord> m_records;
};

inline std::vector<std::uint8_t> HandshakeBytes() {
  return std::vector<std::uint8_t>(std::begin(CloneWire::kHandshake), std::end(CloneWire::kHandshake));
}
