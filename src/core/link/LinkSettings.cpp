#include "core/link/LinkSettings.h"

LinkSettings MainLinkSettings() { return LinkSettings{}; }

LinkSettings ServiceLinkSettings(bool write) {
  LinkSettings s;
  s.port.readTotalPerByteMs = 50;
  s.port.raiseModemLines = false;
  s.replyWait = ReplyWait::SingleRead;
  s.purge = PurgePolicy::OnceBeforeFirstAttempt;
  s.pauseBeforeReplyMs = write ? 2 : 0;
  return s;
}
