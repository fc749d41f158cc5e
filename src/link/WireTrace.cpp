#include "link/WireTrace.h"

#include <cerrno>

namespace {

std::string Milliseconds(CWireTraceFormatter::Clock::duration d) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.3f",
                static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(d).count()) / 1000.0);
  return text;
}

}  // namespace

CWireTraceFormatter::CWireTraceFormatter(LineSink sink, std::chrono::milliseconds burstGap)
    : m_sink(std::move(sink)), m_burstGap(burstGap) {}

void CWireTraceFormatter::BeginSession(const std::string& title, Clock::time_point now) {
  std::lock_guard<std::mutex> lock(m_mutex);
  EmitBurst();
  m_start = now;
  m_sink("# " + title);
}

WireTap CWireTraceFormatter::Tap() {
  return [this](WireEvent event, const std::uint8_t* data, std::size_t n) { OnEvent(event, data, n, Clock::now()); };
}

void CWireTraceFormatter::OnEvent(WireEvent event, const std::uint8_t* data, std::size_t n, Clock::time_point at) {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (event == WireEvent::Purged) {
    EmitBurst();
    m_sink(Milliseconds(at - m_start) + "  purge");
    return;
  }
  if (n == 0) return;
  if (!m_burst.empty() && (event != m_burstEvent || at - m_lastByte > m_burstGap)) EmitBurst();
  if (m_burst.empty()) {
    m_burstEvent = event;
    m_burstStart = at;
  }
  m_burst.insert(m_burst.end(), data, data + n);
  m_lastByte = at;
}

void CWireTraceFormatter::Flush() {
  std::lock_guard<std::mutex> lock(m_mutex);
  EmitBurst();
}

void CWireTraceFormatter::EmitBurst() {
  if (m_burst.empty()) return;
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex;
  std::string ascii;
  for (std::uint8_t b : m_burst) {
    if (!hex.empty()) hex += ' ';
    hex += kHex[b >> 4];
    hex += kHex[b & 0x0F];
    ascii += (b >= 0x20 && b < 0x7F) ? static_cast<char>(b) : '.';
  }
  // Hex padded to a 16-byte block's width, so that short bursts line up.
  if (hex.size() < 47) hex.resize(47, ' ');
  m_sink(Milliseconds(m_burstStart - m_start) + (m_burstEvent == WireEvent::Sent ? "  send  " : "  recv  ") + hex +
         "  |" + ascii + "|");
  m_burst.clear();
}

CWireTraceFile::CWireTraceFile()
    : m_formatter([this](const std::string& line) {
        if (m_file && std::fprintf(m_file, "%s\n", line.c_str()) < 0 && m_nError == 0) m_nError = errno ? errno : EIO;
      }) {}

CWireTraceFile::~CWireTraceFile() { Close(); }

int CWireTraceFile::Open(const std::string& path) {
  Close();
  m_nError = 0;
  errno = 0;
  m_file = std::fopen(path.c_str(), "we");
  return m_file ? 0 : (errno ? errno : EIO);
}

int CWireTraceFile::Close() {
  if (!m_file) return m_nError;
  m_formatter.Flush();
  if (std::fflush(m_file) != 0 && m_nError == 0) m_nError = errno ? errno : EIO;
  if (std::fclose(m_file) != 0 && m_nError == 0) m_nError = errno ? errno : EIO;
  m_file = nullptr;
  return m_nError;
}
