#include "core/files/RecoveryCopies.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <utility>

#include "core/files/DataFile.h"
#include "core/os/FolderEntries.h"
#include "core/files/SafeFileWrite.h"
#include "core/os/SaveTemporary.h"
#include "core/files/UserFolders.h"

namespace {

constexpr char kLockExtension[] = ".lock";
constexpr char kCopyExtension[] = ".dat";
constexpr char kOwnerTemplate[] = "XXXXXX";

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

bool IsRegularEntry(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Whether `fd` is still the file at `path`: a lock on a file that another
// start has just removed guards nothing.
bool IsFileAt(int fd, const std::string& path) {
  struct stat held {
  }, named{};
  return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

// The lock of an owner that is gone, now held: true with `fd` its file. An
// owner that left no lock file gets one made here, so that a second start
// finds it held too. False while a live program, or another start looking
// at the same copies, holds it; also for a lock file that cannot be opened,
// which is then never touched, and for one that is not a regular file: a
// FIFO of that name would hold the start on its open, and be removed later.
bool TakeAbandonedLock(const std::string& path, int& fd) {
  fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsFileAt(fd, path))
    return true;
  ::close(fd);
  fd = -1;
  return false;
}

long long ModifiedAt(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

}  // namespace

CRecoveryOwner::~CRecoveryOwner() {
  if (m_nLockFd < 0) return;
  // Removed while still held, so no start takes it for an abandoned one.
  ::unlink((m_strFolder + m_strOwner + kLockExtension).c_str());
  ::close(m_nLockFd);
}

int CRecoveryOwner::Claim(const std::string& folder) {
  m_strFolder = WithSlash(folder);
  // Made only where no one else could have made it first, and checked again
  // once made: a folder another user may write would hand them the copies.
  if (const int err = MakePrivateFolder(m_strFolder); err != 0) return err;
  // A name just made can be taken for an abandoned lock by a start that
  // looks before this one locks it: such a name is given up for another.
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string path = m_strFolder + kOwnerTemplate + kLockExtension;
    // Not inherited: the program a language change starts would hold it.
    const int fd = ::mkostemps(path.data(), sizeof kLockExtension - 1, O_CLOEXEC);
    if (fd < 0) return errno;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsFileAt(fd, path)) {
      m_nLockFd = fd;
      m_strOwner = *LockOwner(path.substr(m_strFolder.size()));
      return 0;
    }
    ::close(fd);
  }
  return EAGAIN;
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
  if (IsClaimed()) ::unlink(CopyPath(number).c_str());
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
    int fd = -1;
    if (!TakeAbandonedLock(m_strFolder + owner + kLockExtension, fd)) continue;
    m_owners.push_back({owner, fd});
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
  for (const HeldOwner& held : m_owners) {
    const bool copyLeft =
        std::any_of(names.begin(), names.end(), [&](const std::string& name) { return CopyOwner(name) == held.owner; });
    if (!copyLeft) ::unlink((m_strFolder + held.owner + kLockExtension).c_str());
    ::close(held.fd);
  }
}

void RemoveRecoveryCopy(const std::string& path) { ::unlink(path.c_str()); }
