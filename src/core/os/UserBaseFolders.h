#pragma once
// Where this system keeps a user's own files, one base folder for each kind;
// the program's folders are named below them (core/files/UserFolders).
#include <string>

enum class UserFolderKind {
  Config,  // settings ("Program.ini" of an installed program, the port chosen)
  Data,    // what the user would miss: backups of every image read
  Cache,   // what may go at any time: the trace of the last transfer
  State    // what outlives a run: recovery copies of unsaved changes
};

// With a trailing '/'; empty when the system names no absolute folder for it,
// for a relative name would land wherever the program happens to run.
// Linux: $XDG_CONFIG_HOME, $XDG_DATA_HOME, $XDG_CACHE_HOME, $XDG_STATE_HOME,
// each else below $HOME (the password entry's home without $HOME): .config,
// .local/share, .cache, .local/state.
// Windows: %APPDATA% for settings, %LOCALAPPDATA% for data and state, and
// %LOCALAPPDATA%\Temp for the cache; '\' read as '/'.
std::string UserBaseFolder(UserFolderKind kind);
