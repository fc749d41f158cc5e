#include "gui/app/RecentFiles.h"

#include <filesystem>
#include <system_error>

#include "core/shell/RecentFileList.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UserSettings.h"

namespace {
constexpr const char* kRecentKey = "Recent";
}  // namespace

std::vector<std::string> RecentFilePaths() {
  std::vector<std::string> paths = ReadUserPaths(kRecentKey);
  // A store edited by hand may hold more than the menu shows.
  if (paths.size() > kRecentFileCount) paths.resize(kRecentFileCount);
  return paths;
}

QStringList RecentFiles() { return FromStd(RecentFilePaths()); }

void NoteRecentFile(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::string entry = error ? path : absolute.lexically_normal().string();
  WriteUserPaths(kRecentKey, WithRecentFile(ReadUserPaths(kRecentKey), entry));
}

void ForgetRecentFile(const std::string& path) {
  WriteUserPaths(kRecentKey, WithoutRecentFile(ReadUserPaths(kRecentKey), path));
}
