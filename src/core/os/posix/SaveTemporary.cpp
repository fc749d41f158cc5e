#include "core/os/SaveTemporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

#include "core/os/SaveTarget.h"

namespace {

constexpr char kInfix[] = ".tmp-";
// The fallback's name before the proof can be known; never taken for a
// leftover, so a save killed in that instant leaves it behind.
constexpr char kNewInfix[] = ".tmp-new-";
// The longest proof ProofName writes: three numbers in hex, two marks.
constexpr std::size_t kMaxProof = 16 + 1 + 16 + 1 + 8;
// What of a target's name begins its temporaries' names. Any name the file
// system takes must be saveable, so a name too long to take the suffix as
// well gives way, cut where no UTF-8 character breaks; the proof alone
// tells a leftover, so two targets sharing the start are no danger.
constexpr std::size_t kMaxStem = NAME_MAX - (sizeof kInfix - 1) - kMaxProof;
static_assert(kMaxStem + sizeof kNewInfix - 1 + 6 <= NAME_MAX, "the fallback's name must fit too");

std::string Stem(const std::string& target) {
  if (target.size() <= kMaxStem) return target;
  std::size_t cut = kMaxStem;
  while (cut > 0 && (static_cast<unsigned char>(target[cut]) & 0xC0) == 0x80) --cut;
  return target.substr(0, cut);
}

struct FileIdentity {
  unsigned long long ino = 0;
  long long birthSeconds = 0;  // 0 where the file system keeps no birth time
  unsigned birthNanoseconds = 0;
  bool regular = false;
  unsigned links = 0;
};

bool Identify(int dirFd, const char* path, int flags, FileIdentity& id) {
  struct statx sx {};
  if (::statx(dirFd, path, flags | AT_STATX_SYNC_AS_STAT, STATX_TYPE | STATX_INO | STATX_NLINK | STATX_BTIME, &sx) != 0)
    return false;
  id.ino = sx.stx_ino;
  id.regular = S_ISREG(sx.stx_mode);
  id.links = sx.stx_nlink;
  if (sx.stx_mask & STATX_BTIME) {
    id.birthSeconds = sx.stx_btime.tv_sec;
    id.birthNanoseconds = sx.stx_btime.tv_nsec;
  }
  return true;
}

std::string ProofName(const std::string& target, const FileIdentity& id) {
  char proof[64];
  std::snprintf(proof, sizeof proof, "%llx-%llx.%x", id.ino, static_cast<unsigned long long>(id.birthSeconds),
                id.birthNanoseconds);
  return Stem(target) + kInfix + proof;
}

std::string RandomName(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::random_device random;
  unsigned long long seed = (static_cast<unsigned long long>(random()) << 32) ^
                            (static_cast<unsigned long long>(::getpid()) << 16) ^ counter++;
  std::string name = Stem(target) + kNewInfix;
  for (int i = 0; i < 6; ++i, seed /= sizeof kLetters - 1) name += kLetters[seed % (sizeof kLetters - 1)];
  return name;
}

}  // namespace

std::string SaveTemporaryName(const std::string& target, int fd) {
  FileIdentity id;
  if (!Identify(fd, "", AT_EMPTY_PATH, id)) return {};
  return ProofName(SplitPath(target).name, id);
}

OsError CSaveTemporary::Create(const std::string& folder, const std::string& name, unsigned mode, TemporaryKind kind) {
  Discard();
  m_strTarget = name;
  m_dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder this user may enter and write but not list still takes a save;
  // only its sync is then out of reach.
  if (m_dirFd < 0 && errno == EACCES) m_dirFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (m_dirFd < 0) return OsError(errno);
  // Without /proc an unnamed file can be linked only with a privilege.
  if (kind == TemporaryKind::Unnamed && ::access("/proc/self/fd", X_OK) != 0 && ::geteuid() != 0)
    kind = TemporaryKind::Named;
  // 0666 or 0600: the kernel applies the umask (or the folder's default ACL)
  // as for any new file, without this process touching its umask, which
  // all threads share.
  if (kind == TemporaryKind::Unnamed) {
    m_fd = ::openat(m_dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
    if (m_fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      const OsError err(errno);
      Discard();
      return err;
    }
  }
  for (int attempt = 0; m_fd < 0 && attempt < 100; ++attempt) {
    const std::string fresh = RandomName(name);
    m_fd = ::openat(m_dirFd, fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (m_fd >= 0) {
      m_strName = fresh;
    } else if (errno != EEXIST) {
      const OsError err(errno);
      Discard();
      return err;
    }
  }
  if (m_fd < 0) {
    Discard();
    return OsError(EEXIST);
  }
  // Held for as long as the file has a name, so that no sweep takes it.
  if (::flock(m_fd, LOCK_EX) != 0) {
    const OsError err(errno);
    Discard();
    return err;
  }
  if (m_strName.empty()) return {};
  // Named at once after its proof; where the file system has no hard links
  // it keeps the name it was made with.
  const std::string proof = SaveTemporaryName(name, m_fd);
  if (!proof.empty() && ::linkat(m_dirFd, m_strName.c_str(), m_dirFd, proof.c_str(), 0) == 0) {
    ::unlinkat(m_dirFd, m_strName.c_str(), 0);
    m_strName = proof;
  }
  return {};
}

OsError CSaveTemporary::SetMode(unsigned mode) {
  return OsError(::fchmod(m_fd, static_cast<mode_t>(mode)) != 0 ? errno : 0);
}

OsError CSaveTemporary::Write(const void* data, std::size_t size) {
  const auto* p = static_cast<const unsigned char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(m_fd, p, size);
    if (n < 0) {
      if (errno != EINTR) return OsError(errno);
      continue;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return {};
}

OsError CSaveTemporary::Sync() { return OsError(::fsync(m_fd) != 0 ? errno : 0); }

OsError CSaveTemporary::Name() {
  const std::string proof = SaveTemporaryName(m_strTarget, m_fd);
  if (proof.empty()) return OsError(errno ? errno : EIO);
  if (::linkat(m_fd, "", m_dirFd, proof.c_str(), AT_EMPTY_PATH) != 0) {
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
    if (::linkat(AT_FDCWD, self, m_dirFd, proof.c_str(), AT_SYMLINK_FOLLOW) != 0) return OsError(errno);
  }
  m_strName = proof;
  return {};
}

OsError CSaveTemporary::Replace() {
  if (m_fd < 0) return OsError(EBADF);
  OsError err = m_strName.empty() ? Name() : OsError();
  if (!err && ::renameat(m_dirFd, m_strName.c_str(), m_dirFd, m_strTarget.c_str()) != 0) err = OsError(errno);
  if (err) {
    Discard();
    return err;
  }
  m_strName.clear();
  // Without this a power cut may bring the old file back. A file system that
  // cannot sync a folder (EINVAL), or a folder open only by path (EBADF),
  // has nothing more to give.
  if (::fsync(m_dirFd) != 0 && errno != EINVAL && errno != EBADF) err = OsError(errno);
  Discard();
  return err;
}

void CSaveTemporary::Discard() {
  if (!m_strName.empty() && m_dirFd >= 0) ::unlinkat(m_dirFd, m_strName.c_str(), 0);
  m_strName.clear();
  // Closing drops the lock, so only once the temporary's name is gone.
  if (m_fd >= 0) ::close(m_fd);
  if (m_dirFd >= 0) ::close(m_dirFd);
  m_fd = -1;
  m_dirFd = -1;
}

void RemoveStaleSaveTemporaries(const std::string& folder, const std::function<bool(const std::string&)>& isTarget) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    const std::size_t infix = name.rfind(kInfix);
    if (infix == std::string::npos || infix == 0) continue;
    const std::string stem = name.substr(0, infix);
    if (!isTarget(stem)) continue;
    // The proof is looked at before the file is opened: opening a device
    // or a FIFO that merely has such a name could have effects of its own.
    FileIdentity named;
    if (!Identify(dirFd, name.c_str(), AT_SYMLINK_NOFOLLOW, named) || !named.regular || named.links != 1 ||
        ProofName(stem, named) != name)
      continue;
    const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    // Removed only while we hold its lock (its writer is gone) and the name
    // still means the file we hold.
    FileIdentity held;
    FileIdentity still;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && Identify(fd, "", AT_EMPTY_PATH, held) && held.ino == named.ino &&
        Identify(dirFd, name.c_str(), AT_SYMLINK_NOFOLLOW, still) && still.ino == held.ino)
      ::unlinkat(dirFd, name.c_str(), 0);
    ::close(fd);
  }
  ::closedir(dir);
}

void RemoveStaleSaveTemporaries(const std::string& target) {
  const PathParts parts = SplitPath(target);
  const std::string stem = Stem(parts.name);
  RemoveStaleSaveTemporaries(parts.folder, [&](const std::string& name) { return name == stem; });
}
