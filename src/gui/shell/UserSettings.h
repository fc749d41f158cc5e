#pragma once
// The per-user settings store: one INI file per application name in the
// user's configuration folder ($XDG_CONFIG_HOME, default ~/.config), named
// after "AppName" of [Setup] in "Program.ini". It holds the port number
// "com" and the last radio type and band, "Type" and "Field".
#include <QString>
#include <QStringList>

// The value stored under `name`, or `fallback` when there is none (or it is
// no number). A store that cannot be read counts as empty.
int ReadUserNumber(const char* name, int fallback);
// Writes at once; a store that cannot be written is ignored, as a failed
// registry write was. A FIFO, device, socket or folder at the store's name
// is never touched: it reads as empty and takes no write.
void WriteUserNumber(const char* name, int value);

QStringList ReadUserStrings(const char* name);
void WriteUserStrings(const char* name, const QStringList& values);

// The Setup menu's check items Verify After Write and Serial Trace, which
// the next Read or Write takes from the store; off unless stored as 1.
inline constexpr const char* kVerifyAfterWriteSetting = "VerifyAfterWrite";
inline constexpr const char* kSerialTraceSetting = "SerialTrace";
bool UserSwitchOn(const char* setting);

// The file that holds the store, for tests and messages.
QString UserSettingsFile();
