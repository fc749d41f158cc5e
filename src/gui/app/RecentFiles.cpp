#include "gui/app/RecentFiles.h"

#include <QFileInfo>

#include "core/shell/RecentFileList.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UserSettings.h"

namespace {
constexpr const char* kRecentKey = "Recent";

std::vector<std::string> StoredList() {
  std::vector<std::string> list;
  for (const QString& path : ReadUserStrings(kRecentKey)) list.push_back(ToStd(path));
  return list;
}

void Store(const std::vector<std::string>& list) { WriteUserStrings(kRecentKey, FromStd(list)); }
}  // namespace

QStringList RecentFiles() {
  QStringList paths = ReadUserStrings(kRecentKey);
  // A store edited by hand may hold more than the menu shows.
  while (paths.size() > static_cast<int>(kRecentFileCount)) paths.removeLast();
  return paths;
}

void NoteRecentFile(const QString& path) {
  Store(WithRecentFile(StoredList(), ToStd(QFileInfo(path).absoluteFilePath())));
}

void ForgetRecentFile(const QString& path) { Store(WithoutRecentFile(StoredList(), ToStd(path))); }
