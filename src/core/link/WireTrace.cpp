#include "core/link/WireTrace.h"

#include "core/files/UserFolders.h"
#include "core/lang/TextFill.h"
#include "core/link/TransferTexts.h"
#include "core/radio/NumberText.h"

namespace {

// Right-aligned in ten columns, so that the lines of a trace line up.
std::string Milliseconds(CWireTraceFormatter::Clock::duration d) {
  const std::string text =
      FormatFixed(static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(d).count()) / 1000.0, 3);
  constexpr std::size_t kWidth = 10;
  return std::string(text.size() < kWidth ? kWidth - text.size() : 0, ' ') + text;
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

CWireTraceFile::CWireTraceFile(std::string path, Folder folder)
    : m_strPath(std::move(path)), m_folder(folder), m_formatter([this](const std::string& line) {
        const std::string text = line + "\n";
        m_file.Write(text.data(), text.size());
      }) {}

int CWireTraceFile::Open() {
  if (m_bOpenAsked) return m_nOpenError;
  m_bOpenAsked = true;
  const std::string folder = m_strPath.substr(0, m_strPath.rfind('/') + 1);
  // The program's own folder is private, as its backups' folder is.
  if (m_folder == Folder::MadeWhenMissing) {
    m_nOpenError = MakePrivateFolder(folder);
  }
  if (m_nOpenError == 0) m_nOpenError = m_file.Open(m_strPath, FileAccess::Private);
  return m_nOpenError;
}

WireTap CWireTraceFile::Begin(const std::string& title) {
  m_formatter.BeginSession(title);
  return m_formatter.Tap();
}

int CWireTraceFile::Close() {
  if (!m_file.IsOpen()) return 0;
  m_formatter.Flush();
  return m_file.Commit();
}

std::string TraceNotCreatedText(const std::string& path, int err, Language language) {
  return FillText(kTraceNotCreatedText(language), {path, FileErrorText(err, language)});
}

std::string TraceNotSavedText(const std::string& path, int err, Language language) {
  return FillText(kTraceNotSavedText(language), {path, FileErrorText(err, language)});
}
