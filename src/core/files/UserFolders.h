#pragma once
// The user's own folders for what the program keeps between runs: its own
// copy of "Program.ini" beside an installed program (config), backups of
// every image read from a radio (data), the trace of the last transfer
// (cache) and recovery copies of unsaved changes (state). Each holds a folder
// named after the application.
#include <string>

// The system's base folder of each kind, with a trailing '/' (see
// core/os/UserBaseFolders.h): on Linux $XDG_CONFIG_HOME, else $HOME/.config
// (the password entry's home without $HOME); on Windows %APPDATA%. Empty, as
// are the three below, when no home is known: another user could make a
// shared folder's place first. A relative value counts as unset.
std::string UserConfigFolder();
// $XDG_DATA_HOME, else $HOME/.local/share; %LOCALAPPDATA% on Windows.
std::string UserDataFolder();
// $XDG_CACHE_HOME, else $HOME/.cache; %LOCALAPPDATA%\Temp on Windows.
std::string UserCacheFolder();
// $XDG_STATE_HOME, else $HOME/.local/state; %LOCALAPPDATA% on Windows.
std::string UserStateFolder();

// "AppName" of [Setup] as a folder name: "Program" when empty, and no '/' or
// control character in it ("." and ".." are no names either).
std::string ApplicationFolderName(const std::string& appName);

// The folders themselves, with a trailing '/'; nothing is created here.
std::string BackupFolder(const std::string& appName);
std::string TraceFolder(const std::string& appName);
std::string RecoveryFolder(const std::string& appName);
// The settings store's file: <UserConfigFolder()><folder name>.ini.
std::string SettingsStorePath(const std::string& appName);

// Whether `folder` may keep this user's private files: 0 when nobody but this
// user and root can write it or swap it for another (a folder above it that
// others may write must be sticky); kNoHomeFolder for an empty or relative
// one (no home known), kSharedFolder, or the OsError code of a failed look. A folder
// not made yet is judged by the nearest one that is, where it would be made.
int CheckPrivateFolder(const std::string& folder);
// Makes `folder` for this user alone where CheckPrivateFolder allows it, and
// judges it again once made. 0 or the error, as CheckPrivateFolder's.
int MakePrivateFolder(const std::string& folder);
