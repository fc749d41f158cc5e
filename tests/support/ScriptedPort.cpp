#include "support/ScriptedPort.h"

#include <algorithm>

CScriptedPort::CScriptedPort(std::vector<ScriptedReply> script, int openError, long operationLimit)
    : m_script(std::move(script)), m_nOpenError(openError), m_nOperationLimit(operationLimit) {}

void CScriptedPort::Count() {
  if (++m_nOperations > m_nOperationLimit) m_nNowMs += 3600 * 1000;
}

int CScriptedPort::Open(const std::string&, const PortSettings& settings) {
  m_settings = settings;
  m_bOpen = m_nOpenError == 0;
  return m_nOpenError;
}

std::size_t CScriptedPort::Read(std::uint8_t* buffer, std::size_t n) {
  Count();
  ++m_nReads;
  if (!m_bOpen || n == 0) return 0;
  const std::size_t got = std::min(n, m_queue.size());
  std::copy(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(got), buffer);
  m_queue.erase(m_queue.begin(), m_queue.begin() + static_cast<std::ptrdiff_t>(got));
  if (got > 0) Tap(WireEvent::Received, buffer, got);
  if (m_queue.empty() && m_bHangUpWhenRead) m_bHungUp = true;
  if (got < n && !m_bHungUp) {
    // What the serial port waits when the bytes stop coming.
    const long long total = static_cast<long long>(m_settings.readTotalPerByteMs) * static_cast<long long>(n) +
                            m_settings.readTotalConstantMs;
    m_nNowMs += got > 0 ? std::min<long long>(m_settings.readIntervalMs, total) : total;
    m_queue.insert(m_queue.end(), m_late.begin(), m_late.end());
    m_late.clear();
  }
  return got;
}

bool CScriptedPort::Write(const std::uint8_t* data, std::size_t n) {
  Count();
  if (!m_bOpen) return false;
  m_writes.emplace_back(data, data + n);
  if (m_bHungUp) return false;
  Tap(WireEvent::Sent, data, n);
  if (m_nNext < m_script.size() && !m_bHangUpWhenRead) {
    const ScriptedReply& reply = m_script[m_nNext++];
    std::vector<std::uint8_t>& to = reply.late ? m_late : m_queue;
    to.insert(to.end(), reply.bytes.begin(), reply.bytes.end());
    m_bHangUpWhenRead = reply.hangUpAfter;
    if (m_queue.empty() && m_bHangUpWhenRead) m_bHungUp = true;
  }
  return true;
}

void CScriptedPort::Purge() {
  Count();
  m_queue.clear();
  if (m_bHangUpWhenRead) m_bHungUp = true;
  Tap(WireEvent::Purged, nullptr, 0);
}

void CScriptedPort::SleepMs(int ms) {
  Count();
  if (ms > 0) m_nNowMs += ms;
}
