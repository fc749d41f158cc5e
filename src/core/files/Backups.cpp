#include "core/files/Backups.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <utility>

#include "core/files/DataFile.h"
#include "core/files/FileTexts.h"
#include "core/files/LocalTimeText.h"
#include "core/files/SafeFileWrite.h"
#include "core/files/UserFolders.h"
#include "core/lang/TextFill.h"
#include "core/os/CalendarTime.h"
#include "core/os/FileRemoval.h"
#include "core/os/FolderEntries.h"
#include "core/os/OsError.h"
#include "core/os/SaveTarget.h"
#include "core/os/SaveTemporary.h"

namespace {

constexpr std::size_t kStampLength = 19;     // "YYYY-MM-DD HH.MM.SS"
constexpr std::size_t kOldStampLength = 24;  // "YYYYMMDD-HHMMSS.mmm+hhmm", earlier versions' names
constexpr char kExtension[] = ".dat";

bool IsSafe(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
}

// Digits s[at, at + n) as a number, or -1.
int Digits(const std::string& s, std::size_t at, std::size_t n) {
  int v = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

// A date and time written in a backup's name.
struct Stamp {
  int year, month, day, hour, minute, second;

  bool Valid() const {
    return year >= 1970 && month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour >= 0 && hour <= 23 &&
           minute >= 0 && minute <= 59 && second >= 0 && second <= 60;
  }
  std::tm Fields() const {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return fields;
  }
};

// "YYYY-MM-DD HH.MM.SS PORT.dat", PORT as PortFileStem makes it. The name
// holds local time without its offset: within the hour that repeats when
// the clock goes back, two backups may sort the wrong way round, which only
// matters for the one pruned first.
std::optional<std::int64_t> NameTime(const std::string& name, std::size_t ext) {
  const std::string stem = name.substr(kStampLength + 1, name.size() - kStampLength - 1 - ext);
  for (char c : stem)
    if (!IsSafe(c)) return std::nullopt;
  if (name[4] != '-' || name[7] != '-' || name[10] != ' ' || name[13] != '.' || name[16] != '.') return std::nullopt;
  const Stamp stamp{Digits(name, 0, 4),  Digits(name, 5, 2),  Digits(name, 8, 2),
                    Digits(name, 11, 2), Digits(name, 14, 2), Digits(name, 17, 2)};
  if (!stamp.Valid()) return std::nullopt;
  std::tm local = stamp.Fields();
  local.tm_isdst = -1;
  const std::time_t at = std::mktime(&local);
  if (at == static_cast<std::time_t>(-1)) return std::nullopt;
  return static_cast<std::int64_t>(at) * 1000;
}

// "YYYYMMDD-HHMMSS.mmm+hhmm_PORT.dat": UTC by its offset, to the millisecond.
std::optional<std::int64_t> OldNameTime(const std::string& name) {
  if (name[8] != '-' || name[15] != '.' || (name[19] != '+' && name[19] != '-')) return std::nullopt;
  const Stamp stamp{Digits(name, 0, 4), Digits(name, 4, 2),  Digits(name, 6, 2),
                    Digits(name, 9, 2), Digits(name, 11, 2), Digits(name, 13, 2)};
  const int millis = Digits(name, 16, 3), offsetHours = Digits(name, 20, 2), offsetMinutes = Digits(name, 22, 2);
  if (!stamp.Valid() || millis < 0 || offsetHours < 0 || offsetHours > 23 || offsetMinutes < 0 || offsetMinutes > 59)
    return std::nullopt;
  std::tm utc = stamp.Fields();
  const std::int64_t offset = (offsetHours * 60 + offsetMinutes) * 60 * (name[19] == '-' ? -1 : 1);
  return (static_cast<std::int64_t>(UtcFromCalendar(utc)) - offset) * 1000 + millis;
}

}  // namespace

std::string PortFileStem(const std::string& port) {
  std::string stem;
  for (char c : port) {
    const char k = IsSafe(c) ? c : '_';
    if (k == '_' && !stem.empty() && stem.back() == '_') continue;
    stem += k;
  }
  const auto first = stem.find_first_not_of("_.");
  if (first == std::string::npos) return "port";
  stem.erase(0, first);
  stem.erase(stem.find_last_not_of("_.") + 1);
  return stem;
}

std::string BackupFileName(std::chrono::system_clock::time_point when, const std::string& port) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(when));
  return LocalTimeText(seconds, '.') + " " + PortFileStem(port) + kExtension;
}

std::optional<std::int64_t> BackupNameTime(const std::string& name) {
  const std::size_t ext = sizeof kExtension - 1;
  if (name.size() <= ext || name.compare(name.size() - ext, ext, kExtension) != 0) return std::nullopt;
  if (name.size() > kStampLength + 1 + ext && name[kStampLength] == ' ') return NameTime(name, ext);
  if (name.size() > kOldStampLength + 1 + ext && name[kOldStampLength] == '_') return OldNameTime(name);
  return std::nullopt;
}

bool IsBackupFile(const std::string& path, const std::string& folder) {
  const PathParts parts = SplitPath(path);
  if (!BackupNameTime(parts.name)) return false;
  std::error_code error;
  return std::filesystem::equivalent(parts.folder, folder, error);
}

std::vector<std::string> ListBackups(const std::string& folder) {
  // What another user could have planted is never offered for an Open.
  if (CheckPrivateFolder(folder) != 0) return {};
  std::vector<std::pair<std::int64_t, std::string>> found;
  for (std::string& name : FolderEntryNames(folder))
    if (const auto at = BackupNameTime(name)) found.emplace_back(*at, std::move(name));
  std::sort(found.begin(), found.end());
  std::vector<std::string> names;
  for (auto& f : found) names.push_back(std::move(f.second));
  return names;
}

int PruneBackups(const std::string& folder, int keep, const std::string& spare) {
  std::vector<std::string> names = ListBackups(folder);
  const auto others = std::remove(names.begin(), names.end(), spare);
  std::size_t kept = static_cast<std::size_t>(std::max(keep, 0));
  if (others != names.end() && kept > 0) --kept;
  names.erase(others, names.end());
  int removed = 0;
  for (std::size_t i = 0; i + kept < names.size(); ++i) {
    const std::string path = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + names[i];
    if (RemoveFile(path)) ++removed;
  }
  return removed;
}

BackupResult SaveBackup(const std::string& folder, const RadioImage& image, const std::string& port,
                        std::chrono::system_clock::time_point when, int keep) {
  BackupResult result;
  // No folder is no place: a bare name would land in the working folder.
  if (folder.empty()) {
    result.sysError = kNoHomeFolder;
    return result;
  }
  const std::string base = folder + (folder.empty() || folder.back() == '/' ? "" : "/");
  // Two reads from one port within a second still keep both: the later
  // takes the next free second, so that the names keep their order.
  result.path = base + BackupFileName(when, port);
  while (EntryExists(result.path)) {
    when += std::chrono::seconds(1);
    result.path = base + BackupFileName(when, port);
  }
  // Made only where no one else could have made it first, and checked again
  // once made: a folder someone else may write could hand the radio's
  // memory to them, or plant a file for a later Open Backup.
  result.sysError = MakePrivateFolder(base);
  if (result.sysError == 0) {
    // Each backup has a name of its own, so no later save of that name would
    // clear what a killed one left: every backup clears them all.
    RemoveStaleSaveTemporaries(base.empty() ? "." : base,
                               [](const std::string& name) { return BackupNameTime(name).has_value(); });
    // A radio's whole memory is its owner's alone, whoever made the folder.
    const DataFileResult saved = SaveDataFile(result.path, image, FileAccess::Private);
    result.sysError = saved.sysError;
    result.ok = saved.ok();
  }
  // Spared by name: after the clock was set back it sorts before the others.
  if (result.ok) PruneBackups(base, keep, result.path.substr(base.size()));
  return result;
}

std::string BackupFailureMessage(const BackupResult& result, Language language) {
  // The folder, not the file: the file's name was only made up, and reads
  // from several radios into one folder then meet one and the same message.
  const std::string folder = result.path.substr(0, result.path.rfind('/') + 1);
  if (folder.empty()) return FillText(kBackupNoFolderText(language), {FileErrorText(result.sysError, language)});
  char text[1024];
  std::snprintf(text, sizeof text, kBackupFailedText(language), folder.c_str(),
                FileErrorText(result.sysError ? result.sysError : EIO, language).c_str());
  return text;
}
