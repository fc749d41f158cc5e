#include "core/files/RecoveryMessage.h"

#include <sys/stat.h>

#include "core/files/FileTexts.h"
#include "core/files/LocalTimeText.h"
#include "core/files/RegularFile.h"
#include "core/lang/TextFill.h"

std::string RecoveryOfferText(const std::string& path, Language language) {
  struct stat st {};
  const std::string when = ::stat(path.c_str(), &st) == 0 ? LocalTimeText(st.st_mtime) : path;
  return FillText(kRecoveryOfferText(language), {when});
}

std::string RecoveryFailureText(const std::string& folder, int error, Language language) {
  return FillText(kRecoveryFailedText(language), {folder, FileErrorText(error, language)});
}
