#pragma once
// Automatic backups: every image read completely from a radio is also kept
// as a data file named after the time and the port, and only the newest ones
// stay. A backup never stops the Read that made it; its failure is only told.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/lang/Language.h"
#include "core/radio/RadioImage.h"

constexpr int kBackupsKept = 50;

// A port name or device path reduced to letters, digits, '.', '-' and '_'
// for a file name: "/dev/ttyUSB0" gives "dev_ttyUSB0", "\\.\COM12" "COM12".
std::string PortFileStem(const std::string& port);

// "2026-12-07 15.35.54 COM1.dat": the local date and time to the second and
// the port, read at a glance in a file dialog.
std::string BackupFileName(std::chrono::system_clock::time_point when, const std::string& port);
// Milliseconds since 1970 (UTC) that a backup's name holds, for the names
// made now and for those of earlier versions
// ("20261207-153554.123+0800_COM1.dat", local time with its offset from
// UTC); nothing for any other name, which pruning then never touches.
std::optional<std::int64_t> BackupNameTime(const std::string& name);

// True when `path` is one of the backups in `folder`: a backup's name in
// that very folder, however either path reaches it.
bool IsBackupFile(const std::string& path, const std::string& folder);

// The backups in `folder`, oldest first (names only).
std::vector<std::string> ListBackups(const std::string& folder);
// Removes all but the newest `keep`; returns how many went. The backup named
// `spare` is one of those kept, however old its name.
int PruneBackups(const std::string& folder, int keep = kBackupsKept, const std::string& spare = {});

struct BackupResult {
  bool ok = false;
  std::string path;  // the file written, or the one that could not be
  int sysError = 0;
};

// Creates `folder` when needed (for this user only), writes the backup
// beside the others without replacing any, then prunes. A folder that
// another user may write takes no backup (see CheckPrivateFolder).
BackupResult SaveBackup(const std::string& folder, const RadioImage& image, const std::string& port,
                        std::chrono::system_clock::time_point when = std::chrono::system_clock::now(),
                        int keep = kBackupsKept);

// "No backup was saved: cannot write 'FOLDER/': reason" in the language asked for.
std::string BackupFailureMessage(const BackupResult& result, Language language);
