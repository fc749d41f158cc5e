#include "RadioSide.h"

#include <cstdlib>

#include "core/link/CloneLink.h"

namespace {

constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kIdent[9] = {'S', 'I', 'M', 'R', 'A', 'D', 'I', 'O', 0xFF};
constexpr std::uint8_t kNoise[] = {0x00, 0xFF, 0x15, 0x55, 0xAA, 0x02, 0x52, 0x80};

bool ParseCount(const std::string& text, int low, int high, int& value) {
  if (text.empty() || text.size() > 6) return false;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  if (v < low || v > high) return false;
  value = v;
  return true;
}

}  // namespace

bool ApplyFault(const std::string& text, SimFaults& faults, std::string& error) {
  const auto colon = text.find(':');
  const std::string name = text.substr(0, colon);
  const std::string arg = colon == std::string::npos ? "" : text.substr(colon + 1);
  const bool hasArg = colon != std::string::npos;
  auto noArg = [&]() {
    if (hasArg) error = "fault '" + name + "' takes no number";
    return !hasArg;
  };
  auto block = [&](int& field) {
    if (!ParseCount(arg, 1, 64, field)) {
      error = "fault '" + name + "' needs a block number 1-64, as " + name + ":K";
      return false;
    }
    return true;
  };
  if (name == "silent") return noArg() && (faults.silent = true);
  if (name == "short-ident") return noArg() && (faults.identLength = 7);
  if (name == "long-ident") return noArg() && (faults.identLength = 9);
  if (name == "no-confirm") return noArg() && (faults.noConfirm = true);
  if (name == "noise") {
    faults.noiseBytes = 3;
    if (hasArg && !ParseCount(arg, 1, static_cast<int>(sizeof kNoise), faults.noiseBytes)) {
      error = "fault 'noise' takes a count 1-8";
      return false;
    }
    return true;
  }
  if (name == "short-block") return block(faults.shortBlockAt);
  if (name == "refuse-block") return block(faults.refuseBlockAt);
  if (name == "hangup") return block(faults.hangupAt);
  if (name == "drop-block") return block(faults.dropBlockAt);
  error = "unknown fault '" + text + "'";
  return false;
}

bool CRadioSide::FeedMatcher(std::uint8_t b) {
  // 0x02 opens the sequence and occurs nowhere else in it, so a mismatch
  // restarts the match at this byte or at nothing.
  if (b == CloneWire::kHandshake[m_nMatched])
    ++m_nMatched;
  else
    m_nMatched = (b == CloneWire::kHandshake[0]) ? 1 : 0;
  if (m_nMatched < sizeof CloneWire::kHandshake) return false;
  m_nMatched = 0;
  return true;
}

void CRadioSide::EndSession() {
  if (m_bSessionWrote) ++m_nWriteSessionsEnded;
  m_bSessionWrote = false;
  m_state = State::Hunting;
  m_nMatched = 0;
  m_nBlock = 0;
}

void CRadioSide::StartSession(RadioReply& reply) {
  EndSession();
  if (m_faults.silent) return;
  ++m_nSessions;
  for (int i = 0; i < m_faults.noiseBytes && i < static_cast<int>(sizeof kNoise); ++i) reply.bytes.push_back(kNoise[i]);
  reply.bytes.push_back(CloneWire::kAck);
  m_state = State::AwaitIdent;
}

RadioAction CRadioSide::OnByte(std::uint8_t b, RadioReply& reply) {
  if (m_state == State::CommandParams) {
    m_params.push_back(b);
    return m_params.size() == 3 ? OnCommand(reply) : RadioAction::None;
  }
  if (m_state == State::WriteData) {
    m_data.push_back(b);
    if (m_data.size() < m_params[2]) return RadioAction::None;
    const std::size_t offset = (static_cast<std::size_t>(m_params[0]) << 8) | m_params[1];
    if (m_nBlock == m_faults.refuseBlockAt) {
      reply.bytes.push_back(kNak);
    } else {
      if (m_nBlock != m_faults.dropBlockAt)
        for (std::size_t i = 0; i < m_data.size(); ++i) m_memory[offset + i] = m_data[i];
      ++m_nBlocksWritten;
      m_bSessionWrote = true;
      reply.bytes.push_back(CloneWire::kAck);
    }
    m_state = State::Command;
    return RadioAction::None;
  }

  if (FeedMatcher(b)) {
    StartSession(reply);
    return RadioAction::None;
  }
  switch (m_state) {
    case State::AwaitIdent:
      if (b == CloneWire::kIdentRequest) {
        const int n = m_faults.identLength;
        reply.bytes.assign(kIdent, kIdent + n);
        reply.burst = true;  // so that a 9th byte is still there for the PC's purge
        m_state = State::AwaitConfirm;
      } else {
        m_state = State::Hunting;
      }
      break;
    case State::AwaitConfirm:
      if (b == CloneWire::kAck && !m_faults.noConfirm) {
        reply.bytes.push_back(CloneWire::kAck);
        m_state = State::Command;
      } else {
        m_state = b == CloneWire::kAck ? State::Dead : State::Hunting;
      }
      break;
    case State::Command:
      if (b == CloneWire::kReadCommand || b == CloneWire::kWriteCommand) {
        m_command = b;
        m_params.clear();
        m_nMatched = 0;
        m_state = State::CommandParams;
      } else if (b == CloneWire::kHandshake[0]) {
        m_state = State::Hunting;  // the PC starts over; the matcher has this byte
      }
      break;
    case State::AwaitReadAck:
      if (b == CloneWire::kAck) {
        reply.bytes.push_back(m_bRefuseAck ? kNak : CloneWire::kAck);
        if (!m_bRefuseAck) ++m_nBlocksRead;
        m_state = State::Command;
      } else {
        m_state = State::Hunting;
      }
      break;
    default: break;
  }
  return RadioAction::None;
}

RadioAction CRadioSide::OnCommand(RadioReply& reply) {
  const std::size_t offset = (static_cast<std::size_t>(m_params[0]) << 8) | m_params[1];
  const std::size_t length = m_params[2];
  ++m_nBlock;
  if (length == 0 || length > ImageMap::kBlockSize || offset + length > RadioImage::size()) {
    m_state = State::Hunting;  // not a command this radio knows
    return RadioAction::None;
  }
  if (m_nBlock == m_faults.hangupAt) {
    EndSession();
    m_state = State::Dead;
    return RadioAction::HangUp;
  }
  if (m_command == CloneWire::kWriteCommand) {
    m_data.clear();
    m_state = State::WriteData;
    return RadioAction::None;
  }
  if (m_header) {
    reply.bytes.assign(m_header->begin(), m_header->end());
  } else {
    reply.bytes = {m_command, m_params[0], m_params[1], m_params[2]};
  }
  const bool shortBlock = m_nBlock == m_faults.shortBlockAt;
  const std::size_t sent = shortBlock ? length - 1 : length;
  for (std::size_t i = 0; i < sent; ++i) reply.bytes.push_back(m_memory[offset + i]);
  m_bRefuseAck = m_nBlock == m_faults.refuseBlockAt;
  m_state = shortBlock ? State::Dead : State::AwaitReadAck;
  return RadioAction::None;
}
