#pragma once
// The radio's half of the clone protocol, without any I/O: bytes in, replies
// out. Faults make it misbehave the ways a real radio or cable can.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/radio/RadioImage.h"

struct SimFaults {
  bool silent = false;     // never acknowledges the handshake
  int noiseBytes = 0;      // bytes sent before the handshake acknowledgement
  int identLength = 8;     // 7 is short, 9 long
  bool noConfirm = false;  // no answer to the confirmation
  // Block numbers count the block commands of one transfer from 1; 0 is off.
  int shortBlockAt = 0;   // that read reply lacks its last data byte
  int refuseBlockAt = 0;  // that block is answered with 0x15 (a write is not stored)
  int hangupAt = 0;       // the line drops when that block command arrives
  int dropBlockAt = 0;    // that written block is acknowledged but not stored
};

// Parses one --fault word ("silent", "noise:3", "short-ident", "long-ident",
// "no-confirm", "short-block:5", "refuse-block:5", "hangup:5", "drop-block:5")
// into `faults`.
// False with `error` set when the word is not one of them.
bool ApplyFault(const std::string& text, SimFaults& faults, std::string& error);

struct RadioReply {
  std::vector<std::uint8_t> bytes;
  bool burst = false;  // all bytes reach the PC together, when the last one would
};

enum class RadioAction { None, HangUp };

class CRadioSide {
 public:
  explicit CRadioSide(const RadioImage& memory) : m_memory(memory) {}

  RadioAction OnByte(std::uint8_t b, RadioReply& reply);
  // The PC closed the port: whatever was going on is over.
  void EndSession();

  const RadioImage& Memory() const { return m_memory; }
  void SetMemory(const RadioImage& memory) { m_memory = memory; }
  void SetFaults(const SimFaults& faults) { m_faults = faults; }
  // Fixed bytes for the read reply's header; without them it echoes the command.
  void SetReadHeader(std::optional<std::array<std::uint8_t, 4>> header) { m_header = header; }

  int Sessions() const { return m_nSessions; }      // handshakes acknowledged
  int BlocksRead() const { return m_nBlocksRead; }  // acknowledged by the PC
  int BlocksWritten() const { return m_nBlocksWritten; }
  int WriteSessionsEnded() const { return m_nWriteSessionsEnded; }

 private:
  enum class State { Hunting, AwaitIdent, AwaitConfirm, Command, CommandParams, WriteData, AwaitReadAck, Dead };

  bool FeedMatcher(std::uint8_t b);
  void StartSession(RadioReply& reply);
  RadioAction OnCommand(RadioReply& reply);

  RadioImage m_memory;
  SimFaults m_faults;
  std::optional<std::array<std::uint8_t, 4>> m_header;
  State m_state = State::Hunting;
  std::size_t m_nMatched = 0;
  std::uint8_t m_command = 0;
  std::vector<std::uint8_t> m_params;
  std::vector<std::uint8_t> m_data;
  int m_nBlock = 0;
  bool m_bRefuseAck = false;
  bool m_bSessionWrote = false;
  int m_nSessions = 0;
  int m_nBlocksRead = 0;
  int m_nBlocksWritten = 0;
  int m_nWriteSessionsEnded = 0;
};
