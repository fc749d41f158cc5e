#include "core/files/RecoveryMessage.h"

#include "core/files/FileTexts.h"
#include "core/files/LocalTimeText.h"
#include "core/files/RegularFile.h"
#include "core/lang/TextFill.h"
#include "core/os/FileStamp.h"

std::string RecoveryOfferText(const std::string& path, Language language) {
  const FileStamp stamp = StampOf(path);
  const std::string when = stamp.exists ? LocalTimeText(static_cast<std::time_t>(stamp.modifiedSeconds)) : path;
  return FillText(kRecoveryOfferText(language), {when});
}

std::string RecoveryFailureText(const std::string& folder, int error, Language language) {
  return FillText(kRecoveryFailedText(language), {folder, FileErrorText(error, language)});
}
