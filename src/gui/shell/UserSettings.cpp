#include "gui/shell/UserSettings.h"

#include <QSettings>

#include "core/files/SafeFileWrite.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"

namespace {
// Read anew at each use: the store follows "AppName" as the profile says now,
// through the rule that keeps it inside the configuration folder.
std::string StorePath() { return SettingsStorePath(g_profile.GetString("Setup", "AppName", "")); }

QSettings Store() { return QSettings(FromStd(StorePath()), QSettings::IniFormat); }

// Something other than a regular file at the store's name (a FIFO would
// hold the program on its read, a link to a device would be replaced by a
// file) is left alone: it reads as an empty store and takes no write. A
// write goes only where a save may go, as for every file the program writes.
// A folder someone else may write (or none, with no home known) is neither
// read nor written: what it holds may have been planted there.
bool StorePrivate() { return CheckPrivateFolder(UserConfigFolder()) == 0; }
bool StoreReadable() { return StorePrivate() && CheckSaveTarget(StorePath()) != kNotRegularFile; }
bool StoreWritable() { return StorePrivate() && CheckSaveTarget(StorePath()) == 0; }
}  // namespace

int ReadUserNumber(const char* name, int fallback) {
  if (!StoreReadable()) return fallback;
  bool ok = false;
  const int value = Store().value(QLatin1String(name)).toInt(&ok);
  return ok ? value : fallback;
}

void WriteUserNumber(const char* name, int value) {
  if (!StoreWritable()) return;
  QSettings store = Store();
  store.setValue(QLatin1String(name), value);
  store.sync();
}

bool UserSwitchOn(const char* setting) { return ReadUserNumber(setting, 0) != 0; }

QStringList ReadUserStrings(const char* name) {
  if (!StoreReadable()) return {};
  return Store().value(QLatin1String(name)).toStringList();
}

void WriteUserStrings(const char* name, const QStringList& values) {
  if (!StoreWritable()) return;
  QSettings store = Store();
  store.setValue(QLatin1String(name), values);
  store.sync();
}

QString UserSettingsFile() { return Store().fileName(); }
