#pragma once
// A line whose far end follows a script instead of a radio: every write the
// PC makes lets the next reply of the script arrive. Time passes only where a
// real port would wait (a read that comes up short waits out its time-outs, a
// sleep sleeps), on a clock of its own, so its time-outs expire at once.
#include <cstdint>
#include <vector>

#include "core/link/BytePort.h"

struct ScriptedReply {
  std::vector<std::uint8_t> bytes;
  bool hangUpAfter = false;  // the line drops once these bytes were read
  // The bytes are still on their way: they arrive only once a read has
  // waited for them in vain, and a purge before that does not reach them.
  bool late = false;
};

class CScriptedPort final : public CBytePort {
 public:
  // openError: what Open returns (0 opens). Past `operationLimit` calls the
  // port counts as spun (see Spun) and its clock leaps an hour per call, so
  // that any loop bounded by time ends.
  explicit CScriptedPort(std::vector<ScriptedReply> script, int openError = 0, long operationLimit = 100000);

  int Open(const std::string& device, const PortSettings& settings) override;
  std::size_t Read(std::uint8_t* buffer, std::size_t n) override;
  bool Write(const std::uint8_t* data, std::size_t n) override;
  void Purge() override;
  void Close() override { m_bOpen = false; }
  bool IsOpen() const override { return m_bOpen; }
  bool HungUp() const override { return m_bHungUp; }
  std::int64_t NowMs() const override { return m_nNowMs; }
  void SleepMs(int ms) override;

  // Every Write the PC made on the open port, those a dead line lost included.
  const std::vector<std::vector<std::uint8_t>>& Writes() const { return m_writes; }
  long Reads() const { return m_nReads; }
  // The link kept calling the port with no time passing and no script left
  // to consume: a loop without progress.
  bool Spun() const { return m_nOperations > m_nOperationLimit; }

 private:
  void Count();

  std::vector<ScriptedReply> m_script;
  std::size_t m_nNext = 0;
  std::vector<std::uint8_t> m_queue;  // arrived, not yet read
  std::vector<std::uint8_t> m_late;   // on the way
  bool m_bHangUpWhenRead = false;
  bool m_bHungUp = false;
  bool m_bOpen = false;
  int m_nOpenError;
  PortSettings m_settings;
  std::int64_t m_nNowMs = 0;
  long m_nOperations = 0;
  long m_nOperationLimit;
  long m_nReads = 0;
  std::vector<std::vector<std::uint8_t>> m_writes;
};
