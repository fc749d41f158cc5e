#include "cli/VerbFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/ExitStatus.h"
#include "radio/DataFile.h"
#include "radio/DataFileMessage.h"

int PrintVerbHelp(const char* usage, const char* description, const char* options) {
  std::printf("usage: %s\n\n%s\n\noptions:\n%s\n%s", usage, description, options, ExitStatusHelp());
  return kExitOk;
}

int DataFileFailure(const std::string& path, const DataFileResult& r, std::string& text) {
  const char* cause = std::strerror(r.sysError);
  switch (r.status) {
    case DataFileStatus::Ok:
      text.clear();
      return kExitOk;
    case DataFileStatus::CannotOpen:
      text = "cannot open '" + path + "': " + cause;
      return kExitFileError;
    case DataFileStatus::CannotWrite:
      text = "cannot write '" + path + "': " + cause;
      return kExitFileError;
    case DataFileStatus::BadSignature:
      // The same text the window shows for this failure.
      text = path + ": " + DataFileFailureMessage(r, path, false, false);
      return kExitDataFormat;
    case DataFileStatus::ShortFile:
      text = path + ": the file is shorter than " + std::to_string(kDataFileSize) + " bytes";
      return kExitShortFile;
  }
  text = path + ": unknown failure";
  return kExitFailure;
}

namespace {

int Report(const char* verb, const std::string& path, const DataFileResult& r) {
  std::string text;
  const int status = DataFileFailure(path, r, text);
  if (status != kExitOk) std::fprintf(stderr, "programcli %s: %s\n", verb, text.c_str());
  return status;
}

}  // namespace

int LoadDataFileForVerb(const char* verb, const std::string& path, RadioImage& image) {
  return Report(verb, path, LoadDataFile(path, image));
}

int SaveDataFileForVerb(const char* verb, const std::string& path, const RadioImage& image) {
  return Report(verb, path, SaveDataFile(path, image));
}

int WriteOutput(const char* verb, const std::string& text) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  if (std::fflush(stdout) == 0 && written) return kExitOk;
  std::fprintf(stderr, "programcli %s: cannot write the output: %s\n", verb,
               std::strerror(errno ? errno : EIO));
  return kExitFileError;
}
