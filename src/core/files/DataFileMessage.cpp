#include "core/files/DataFileMessage.h"

#include "core/files/FileTexts.h"
#include "core/files/RegularFile.h"

std::string DataFileFailureMessage(const DataFileResult& result, const std::string& path, bool saving,
                                   Language language) {
  switch (result.status) {
    case DataFileStatus::Ok:
    case DataFileStatus::ShortFile: return std::string();
    case DataFileStatus::BadSignature: return kFormatErrorText(language);
    // Told even where a short file is not: the file may be something else
    // entirely, and silence would look like a file that opened.
    case DataFileStatus::LongFile:
      return kCannotOpenFileText(language) + path + kReasonSeparator(language) + kLongFileReason(language);
    case DataFileStatus::CannotOpen:
    case DataFileStatus::CannotWrite: break;
  }
  const bool save = saving || result.status == DataFileStatus::CannotWrite;
  std::string text = save ? kCannotSaveFileText(language) : kCannotOpenFileText(language);
  text += path;
  text += kReasonSeparator(language);
  text += result.sysError != 0 ? FileErrorText(result.sysError, language) : kUnknownFileReason(language);
  return text;
}

std::string CommandLineOpenMessage(const DataFileResult& result, const std::string& path, Language language) {
  if (result.status != DataFileStatus::ShortFile) return DataFileFailureMessage(result, path, false, language);
  return kCannotOpenFileText(language) + path + kReasonSeparator(language) + kShortFileReason(language);
}

std::string SaveChangesQuestion(const std::string& title, Language language) {
  return kSaveChangesBefore(language) + title + kSaveChangesAfter(language);
}
