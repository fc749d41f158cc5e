#include "cli/VerbFiles.h"

#include <cstdio>
#include <cstring>

#include "app/ProgramVersion.h"
#include "cli/ExitStatus.h"
#include "radio/DataFile.h"
#include "radio/DataFileMessage.h"
#include "radio/RegularFile.h"

int PrintVerbHelp(const char* usage, const char* description, const char* options) {
  const std::string line = usage;
  const std::string who = line.substr(0, line.find(' ', line.find(' ') + 1));
  return WriteToStdout(who, "usage: " + line + "\n\n" + description + "\n\noptions:\n" + options + "\n" +
                                ExitStatusHelp());
}

namespace {

int StatusOf(DataFileStatus status) {
  switch (status) {
    case DataFileStatus::Ok: return kExitOk;
    case DataFileStatus::CannotOpen:
    case DataFileStatus::CannotWrite: return kExitFileError;
    case DataFileStatus::BadSignature: return kExitDataFormat;
    case DataFileStatus::ShortFile: return kExitShortFile;
  }
  return kExitFailure;
}

}  // namespace

int DataFileFailure(const std::string& path, const DataFileResult& r, bool saving, bool chinese, std::string& text) {
  text.clear();
  if (r.ok()) return kExitOk;
  if (r.status == DataFileStatus::ShortFile) {
    // The window says nothing here; a script needs a reason.
    const std::string size = std::to_string(kDataFileSize);
    text = path + (chinese ? "：文件短于 " + size + " 字节" : ": the file is shorter than " + size + " bytes");
  } else if (r.status == DataFileStatus::BadSignature) {
    // The same text the window shows for this failure.
    text = path + (chinese ? "：" : ": ") + DataFileFailureMessage(r, path, saving, chinese);
  } else if (chinese) {
    text = DataFileFailureMessage(r, path, saving, chinese);
  } else {
    const bool written = r.status == DataFileStatus::CannotWrite;
    text = (written ? "cannot write '" : "cannot open '") + path + "': " +
           (written ? std::strerror(r.sysError) : ReadErrorText(r.sysError, false));
  }
  return StatusOf(r.status);
}

namespace {

int Report(const char* verb, const std::string& path, const DataFileResult& r, bool saving, bool chinese) {
  std::string text;
  const int status = DataFileFailure(path, r, saving, chinese, text);
  if (status != kExitOk) std::fprintf(stderr, "programcli %s: %s\n", verb, text.c_str());
  return status;
}

}  // namespace

int LoadDataFileForVerb(const char* verb, const std::string& path, RadioImage& image, bool chinese) {
  return Report(verb, path, LoadDataFile(path, image), false, chinese);
}

int SaveDataFileForVerb(const char* verb, const std::string& path, const RadioImage& image, bool chinese) {
  return Report(verb, path, SaveDataFile(path, image), true, chinese);
}

int WriteToStdout(const std::string& who, const std::string& text) {
  return WriteStandardOutput(who, text) ? kExitOk : kExitFileError;
}

int WriteOutput(const char* verb, const std::string& text) {
  return WriteToStdout(std::string("programcli ") + verb, text);
}
