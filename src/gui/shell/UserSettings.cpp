#include "gui/shell/UserSettings.h"

#include <QSettings>
#include <QVariant>
#include <cerrno>

#include "core/files/SafeFileWrite.h"
#include "core/os/SaveTarget.h"
#include "core/files/UserFolders.h"
#include "core/profile/ProfileFile.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/WindowTexts.h"

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

// QSettings tells only that its write failed; the folder says why, as far as
// it can be told.
int WhyStoreNotWritten() {
  const std::string folder = SplitPath(StorePath()).folder;
  if (const int err = MakeFolders(folder + "/"); err != 0) return err;
  return MayWrite(folder) ? EIO : EACCES;
}

// A file name is bytes: one that is UTF-8 stays text, as every entry was
// before; any other is kept as its bytes, which a text would change.
QVariant StoredBytes(const std::string& bytes) {
  const QString text = FromStd(bytes);
  if (text.toUtf8().toStdString() == bytes) return text;
  return QByteArray::fromStdString(bytes);
}

std::string BytesOf(const QVariant& value) {
  if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
  return ToStd(value.toString());
}
}  // namespace

int ReadUserNumber(const char* name, int fallback) {
  const auto& unsaved = AppContext().m_unsavedChoices;
  if (const auto it = unsaved.find(name); it != unsaved.end()) return it->second;
  if (!StoreReadable()) return fallback;
  bool ok = false;
  const int value = Store().value(QLatin1String(name)).toInt(&ok);
  return ok ? value : fallback;
}

int WriteUserNumber(const char* name, int value) {
  if (const int err = CheckPrivateFolder(UserConfigFolder()); err != 0) return err;
  if (const int err = CheckSaveTarget(StorePath()); err != 0) return err;
  QSettings store = Store();
  store.setValue(QLatin1String(name), value);
  store.sync();
  return store.status() == QSettings::NoError ? 0 : WhyStoreNotWritten();
}

bool WriteUserChoice(QWidget* parent, const char* name, int value) {
  auto& unsaved = AppContext().m_unsavedChoices;
  const int err = WriteUserNumber(name, value);
  if (err == 0) {
    unsaved.erase(name);
    return true;
  }
  unsaved[name] = value;
  ProgramMessageBox(parent,
                    LangString(kChoiceNotSaved).arg(UserSettingsFile(), FromStd(FileErrorText(err, CurrentLanguage()))),
                    QMessageBox::Ok, QMessageBox::Warning);
  return false;
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

std::vector<std::string> ReadUserPaths(const char* name) {
  std::vector<std::string> paths;
  if (!StoreReadable()) return paths;
  const QVariant value = Store().value(QLatin1String(name));
  if (value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList) {
    for (const QVariant& entry : value.toList()) paths.push_back(BytesOf(entry));
  } else if (value.isValid()) {
    paths.push_back(BytesOf(value));
  }
  return paths;
}

void WriteUserPaths(const char* name, const std::vector<std::string>& paths) {
  if (!StoreWritable()) return;
  QVariantList values;
  for (const std::string& path : paths) values << StoredBytes(path);
  QSettings store = Store();
  store.setValue(QLatin1String(name), values);
  store.sync();
}

QString UserSettingsFile() { return Store().fileName(); }
