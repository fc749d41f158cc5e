#include "core/files/RecoveryCopies.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

#include "core/files/DataFile.h"
#include "core/files/SafeFileWrite.h"
#include "core/files/UserFolders.h"
#include "core/os/FileRemoval.h"
#include "core/os/FileStamp.h"
#include "core/os/FolderEntries.h"
#include "core/os/SaveTarget.h"
#include "core/os/SaveTemporary.h"

namespace {

constexpr char kLockExtension[] = ".lock";
constexpr char kCopyExtension[] = ".dat";

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool IsOwnerName(const std::string& s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// `name` without `tail`, when it ends so.
std::optional<std::string> Stem(const std::string& name, const char* tail) {
  const std::string t = tail;
  if (name.size() <= t.size() || name.compare(name.size() - t.size(), t.size(), t) != 0) return std::nullopt;
  return name.substr(0, name.size() - t.size());
}

std::optional<std::string> LockOwner(const std::string& name) {
  const auto stem = Stem(name, kLockExtension);
  if (!stem || !IsOwnerName(*stem)) return std::nullopt;
  return stem;
}

// "<owner>-<n>.dat": the owner.
std::optional<std::string> CopyOwner(const std::string& name) {
  const auto stem = Stem(name, kCopyExtension);
  if (!stem) return std::nullopt;
  const auto dash = stem->rfind('-');
  if (dash == std::string::npos || dash + 1 == stem->size()) return std::nullopt;
  const std::string owner = stem->substr(0, dash);
  if (!IsOwnerName(owner) || !std::all_of(stem->begin() + static_cast<long>(dash) + 1, stem->end(),
                                          [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return owner;
}

long long ModifiedAt(const std::string& path) {
  const FileStamp stamp = StampOf(path);
  if (!stamp.exists) return 0;
  return static_cast<long long>(stamp.modifiedSeconds) * 1000000000LL + stamp.modifiedNanoseconds;
}

}  // namespace

CRecoveryOwner::~CRecoveryOwner() {
  if (!m_lock.IsHeld()) return;
  // Removed while still held, so no start takes it for an abandoned one.
  RemoveFile(m_strFolder + m_strOwner + kLockExtension);
  m_lock.Release();
}

int CRecoveryOwner::Claim(const std::string& folder) {
  m_strFolder = WithSlash(folder);
  // Made only where no one else could have made it first, and checked again
  // once made: a folder another user may write would hand them the copies.
  if (const int err = MakePrivateFolder(m_strFolder); err != 0) return err;
  std::string path;
  if (const OsError err = m_lock.ClaimNew(m_strFolder, kLockExtension, path)) return err.code;
  m_strOwner = *LockOwner(path.substr(m_strFolder.size()));
  return 0;
}

std::string CRecoveryOwner::CopyPath(int number) const {
  return m_strFolder + m_strOwner + "-" + std::to_string(number) + kCopyExtension;
}

int CRecoveryOwner::Write(int number, const RadioImage& image) const {
  if (!IsClaimed()) return ENOLCK;
  const DataFileResult result = SaveDataFile(CopyPath(number), image, FileAccess::Private);
  return result.ok() ? 0 : (result.sysError != 0 ? result.sysError : EIO);
}

void CRecoveryOwner::Remove(int number) const {
  if (IsClaimed()) RemoveFile(CopyPath(number));
}

COrphanedCopies::COrphanedCopies(const std::string& folder) : m_strFolder(WithSlash(folder)) {
  // Another user could have planted a copy there.
  if (CheckPrivateFolder(m_strFolder) != 0) return;
  const std::vector<std::string> names = FolderEntryNames(m_strFolder);
  std::map<std::string, std::vector<std::string>> copies;  // by owner
  for (const std::string& name : names) {
    // Only a regular file is a copy: opening a FIFO named like one would hang.
    if (const auto owner = CopyOwner(name); owner && IsRegularEntry(m_strFolder + name))
      copies[*owner].push_back(m_strFolder + name);
    if (const auto owner = LockOwner(name)) copies[*owner];
  }
  std::vector<std::pair<long long, std::string>> found;
  for (auto& [owner, paths] : copies) {
    // A live program, or another start looking at the same copies, holds it.
    CLockFile lock;
    if (!lock.TakeAbandoned(m_strFolder + owner + kLockExtension)) continue;
    m_owners.push_back({owner, std::move(lock)});
    for (std::string& path : paths) found.emplace_back(ModifiedAt(path), std::move(path));
  }
  std::sort(found.begin(), found.end());
  for (auto& f : found) m_paths.push_back(std::move(f.second));
  // What copies killed in their rename left: a live program's own are
  // locked and stay.
  RemoveStaleSaveTemporaries(m_strFolder, [](const std::string& name) { return CopyOwner(name).has_value(); });
}

COrphanedCopies::~COrphanedCopies() {
  const std::vector<std::string> names = FolderEntryNames(m_strFolder);
  for (HeldOwner& held : m_owners) {
    const bool copyLeft =
        std::any_of(names.begin(), names.end(), [&](const std::string& name) { return CopyOwner(name) == held.owner; });
    if (!copyLeft) RemoveFile(m_strFolder + held.owner + kLockExtension);
    held.lock.Release();
  }
}

void RemoveRecoveryCopy(const std::string& path) { RemoveFile(path); }
