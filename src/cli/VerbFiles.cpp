#include "cli/VerbFiles.h"

#include <cstdio>
#include <cstring>

#include "cli/CliTexts.h"
#include "cli/ExitStatus.h"
#include "core/files/DataFile.h"
#include "core/files/DataFileMessage.h"
#include "core/files/FileTexts.h"
#include "core/files/ProgramVersion.h"
#include "core/files/RegularFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/lang/AnyLanguage.h"
#include "core/os/SaveTarget.h"

int PrintVerbHelp(const char* usage, const char* description, const char* options) {
  const std::string line = usage;
  const std::string who = line.substr(0, line.find(' ', line.find(' ') + 1));
  std::string help = "usage: " + line + "\n\n" + description + "\n\noptions:\n" + options + "\n" + ExitStatusHelp();
  // "--lang {languages}": the names --lang takes, so a language added is listed.
  const std::string languages = LanguageNameList("|");
  for (std::size_t at = help.find(kLanguagesPlaceholder); at != std::string::npos;
       at = help.find(kLanguagesPlaceholder, at + languages.size()))
    help.replace(at, std::strlen(kLanguagesPlaceholder), languages);
  return WriteToStdout(who, help);
}

namespace {

int StatusOf(DataFileStatus status) {
  switch (status) {
    case DataFileStatus::Ok: return kExitOk;
    case DataFileStatus::CannotOpen:
    case DataFileStatus::CannotWrite: return kExitFileError;
    case DataFileStatus::BadSignature: return kExitDataFormat;
    case DataFileStatus::ShortFile:
    case DataFileStatus::LongFile: return kExitShortFile;
  }
  return kExitFailure;
}

}  // namespace

namespace {
// Whether programcli says the window's message for a file it cannot open or
// write; English says it shorter, in the form of the other tools' messages.
constexpr PerLanguage<bool> kWindowMessageInCli{false, true};
}  // namespace

int DataFileFailure(const std::string& path, const DataFileResult& r, bool saving, Language language,
                    std::string& text) {
  text.clear();
  if (r.ok()) return kExitOk;
  if (r.status == DataFileStatus::ShortFile || r.status == DataFileStatus::LongFile) {
    // The window says nothing of a short file; a script needs a reason.
    text = DataFileSizeText(path, kDataFileSize, r.status == DataFileStatus::LongFile, language);
  } else if (r.status == DataFileStatus::BadSignature) {
    // The same text the window shows for this failure.
    text = path + kReasonSeparator(language) + DataFileFailureMessage(r, path, saving, language);
  } else if (kWindowMessageInCli.Form(language)) {
    text = DataFileFailureMessage(r, path, saving, language);
  } else {
    const char* what = r.status == DataFileStatus::CannotWrite ? "cannot write '" : "cannot open '";
    text = what + path + "': " + FileErrorText(r.sysError);
  }
  return StatusOf(r.status);
}

namespace {

int Report(const char* verb, const std::string& path, const DataFileResult& r, bool saving, Language language) {
  std::string text;
  const int status = DataFileFailure(path, r, saving, language, text);
  if (status != kExitOk) std::fprintf(stderr, "programcli %s: %s\n", verb, text.c_str());
  return status;
}

}  // namespace

int LoadDataFileForVerb(const char* verb, const std::string& path, RadioImage& image, Language language) {
  return Report(verb, path, LoadDataFile(path, image), false, language);
}

int SaveDataFileForVerb(const char* verb, const std::string& path, const RadioImage& image, Language language) {
  return Report(verb, path, SaveDataFile(path, image), true, language);
}

int RefuseOutputOverInput(const char* verb, const std::string& output, const std::vector<std::string>& inputs,
                          Language language) {
  for (const std::string& input : inputs) {
    if (!IsSameFile(output, input)) continue;
    std::fputs(OutputIsInputText(verb, output, input, language).c_str(), stderr);
    return kExitFileError;
  }
  return kExitOk;
}

int WriteToStdout(const std::string& who, const std::string& text) {
  return WriteStandardOutput(who, text) ? kExitOk : kExitFileError;
}

int WriteOutput(const char* verb, const std::string& text) {
  return WriteToStdout(std::string("programcli ") + verb, text);
}
