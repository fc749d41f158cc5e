#pragma once
// The per-user settings store: one INI file per application name in the
// user's configuration folder ($XDG_CONFIG_HOME, default ~/.config), named
// after "AppName" of [Setup] in "Program.ini". It holds the port number
// "com" and the last radio type and band, "Type" and "Field".
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QWidget;

// The value stored under `name`, or `fallback` when there is none (or it is
// no number). A store that cannot be read counts as empty. A choice the
// store could not take this run (WriteUserChoice) comes first.
int ReadUserNumber(const char* name, int fallback);
// Writes at once: 0, or why the store could not take it (an errno,
// kNotRegularFile). A FIFO, device, socket or folder at the store's name is
// never touched: it reads as empty and takes no write.
int WriteUserNumber(const char* name, int value);
// A choice the user made (Verify After Write, Serial Trace, the port): when
// the store cannot take it, the user is told where and why, over `parent`,
// and the choice holds until the program ends. False when it was not stored.
bool WriteUserChoice(QWidget* parent, const char* name, int value);

QStringList ReadUserStrings(const char* name);
void WriteUserStrings(const char* name, const QStringList& values);
// File names, which need not be UTF-8: each comes back as the bytes written.
// Entries kept as text (as all were once) read as their UTF-8 bytes.
std::vector<std::string> ReadUserPaths(const char* name);
void WriteUserPaths(const char* name, const std::vector<std::string>& paths);

// The Setup menu's check items Verify After Write and Serial Trace, which
// the next Read or Write takes from the store; off unless stored as 1.
inline constexpr const char* kVerifyAfterWriteSetting = "VerifyAfterWrite";
inline constexpr const char* kSerialTraceSetting = "SerialTrace";
bool UserSwitchOn(const char* setting);

// The file that holds the store, for tests and messages.
QString UserSettingsFile();
