#include "gui/shell/UserSettings.h"

#include <QSettings>

#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"

namespace {
// Read anew at each use: the store follows "AppName" as the profile says now,
// through the rule that keeps it inside the configuration folder.
QSettings Store() {
  return QSettings(FromStd(SettingsStorePath(g_profile.GetString("Setup", "AppName", ""))), QSettings::IniFormat);
}
}  // namespace

int ReadUserNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = Store().value(QLatin1String(name)).toInt(&ok);
  return ok ? value : fallback;
}

void WriteUserNumber(const char* name, int value) {
  QSettings store = Store();
  store.setValue(QLatin1String(name), value);
  store.sync();
}

bool UserSwitchOn(const char* setting) { return ReadUserNumber(setting, 0) != 0; }

QStringList ReadUserStrings(const char* name) { return Store().value(QLatin1String(name)).toStringList(); }

void WriteUserStrings(const char* name, const QStringList& values) {
  QSettings store = Store();
  store.setValue(QLatin1String(name), values);
  store.sync();
}

QString UserSettingsFile() { return Store().fileName(); }
