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

namespace {

int Report(const char* verb, const std::string& path, const DataFileResult& r) {
  const char* cause = std::strerror(r.sysError);
  switch (r.status) {
    case DataFileStatus::Ok:
      return kExitOk;
    case DataFileStatus::CannotOpen:
      std::fprintf(stderr, "programcli %s: cannot open '%s': %s\n", verb, path.c_str(), cause);
      return kExitFileError;
    case DataFileStatus::CannotWrite:
      std::fprintf(stderr, "programcli %s: cannot write '%s': %s\n", verb, path.c_str(), cause);
      return kExitFileError;
    case DataFileStatus::BadSignature:
      // The same text the window shows for this failure.
      std::fprintf(stderr, "programcli %s: %s: %s\n", verb, path.c_str(),
                   DataFileFailureMessage(r, path, false, false).c_str());
      return kExitDataFormat;
    case DataFileStatus::ShortFile:
      std::fprintf(stderr, "programcli %s: %s: the file is shorter than %zu bytes\n", verb,
                   path.c_str(), kDataFileSize);
      return kExitShortFile;
  }
  return kExitFailure;
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
