#pragma once
// How one kind of transfer drives the port and the handshake. The main Read
// and Write use one record; the service transfers of the power and parameter
// areas use another, with their own time-outs and handshake form.
#include <cstdint>

#include "core/os/SerialSettings.h"

enum class ReplyWait {
  Stopwatch,   // read single bytes until 0x06 or the wait has run out
  SingleRead,  // one read of one byte: 0x06 or the attempt failed
};

enum class PurgePolicy {
  BeforeEachAttempt,
  OnceBeforeFirstAttempt,
};

struct LinkSettings {
  PortSettings port;
  int handshakeAttempts = 4;
  int handshakeByteGapMs = 2;  // sleep before each handshake byte
  ReplyWait replyWait = ReplyWait::Stopwatch;
  int replyWaitMs = 1000;  // stopwatch form: no new read once this has passed
  PurgePolicy purge = PurgePolicy::BeforeEachAttempt;
  int pauseBeforeReplyMs = 0;  // after the last handshake byte
};

LinkSettings MainLinkSettings();
// The write form waits 2 ms after the handshake before reading the reply.
LinkSettings ServiceLinkSettings(bool write);
