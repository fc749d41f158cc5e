#include "core/files/DataFileMessage.h"

#include "core/lang/Language.h"
#include "core/files/RegularFile.h"

namespace {

const LangText kFormatError{"Data Format Error", "数据格式不正确"};
const LangText kCannotOpen{"Cannot open the file ", "无法打开文件 "};
const LangText kCannotSave{"Cannot save the file ", "无法保存文件 "};
const LangText kReasonSeparator{": ", "："};
const LangText kUnknownReason{"the file could not be read or written", "无法读写该文件"};
const LangText kShortFile{"the file is shorter than a data file", "文件比数据文件短"};
const LangText kSaveChanges[2] = {{"Save changes to ", "是否保存对 "}, {"?", " 的修改？"}};

}  // namespace

std::string DataFileFailureMessage(const DataFileResult& result, const std::string& path, bool saving,
                                   Language language) {
  switch (result.status) {
    case DataFileStatus::Ok:
    case DataFileStatus::ShortFile:
      return std::string();
    case DataFileStatus::BadSignature:
      return kFormatError(language);
    case DataFileStatus::CannotOpen:
    case DataFileStatus::CannotWrite:
      break;
  }
  const bool save = saving || result.status == DataFileStatus::CannotWrite;
  std::string text = save ? kCannotSave(language) : kCannotOpen(language);
  text += path;
  text += kReasonSeparator(language);
  text += result.sysError != 0 ? FileErrorText(result.sysError, language) : kUnknownReason(language);
  return text;
}

std::string CommandLineOpenMessage(const DataFileResult& result, const std::string& path, Language language) {
  if (result.status != DataFileStatus::ShortFile) return DataFileFailureMessage(result, path, false, language);
  return kCannotOpen(language) + path + kReasonSeparator(language) + kShortFile(language);
}

std::string SaveChangesQuestion(const std::string& title, Language language) {
  return kSaveChanges[0](language) + title + kSaveChanges[1](language);
}
