#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/files/ReadFileHead.h"
#include "core/files/SafeFileWrite.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

// Every umask() call of this binary is counted: the umask belongs to the
// whole process, and a save that sets it, even for a moment, changes the
// mode of files other threads create meanwhile.
namespace {
std::atomic<int> g_umaskCalls{0};
mode_t SetUmaskUncounted(mode_t mask) { return static_cast<mode_t>(::syscall(SYS_umask, mask)); }

// Every fsync(), as "folder <inode>" or "file <its contents>", with what
// the file being watched held then.
std::mutex g_syncMutex;
std::string g_watchedFile;  // empty: nothing recorded
std::vector<std::string> g_syncs;

std::string Contents(const std::string& path) {
  std::string out;
  const int fd = ::open(path.c_str(), O_RDONLY);
  char buf[256];
  for (ssize_t n; fd >= 0 && (n = ::read(fd, buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  if (fd >= 0) ::close(fd);
  return out;
}
}  // namespace
extern "C" mode_t umask(mode_t mask) {
  ++g_umaskCalls;
  return SetUmaskUncounted(mask);
}
extern "C" int fsync(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0) {
    std::lock_guard<std::mutex> lock(g_syncMutex);
    if (!g_watchedFile.empty())
      g_syncs.push_back((S_ISDIR(st.st_mode) ? "folder " + std::to_string(st.st_ino)
                                             : "file " + Contents("/proc/self/fd/" + std::to_string(fd))) +
                        ", watched " + Contents(g_watchedFile));
  }
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(folder.c_str())) {
    while (const dirent* e = ::readdir(d))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
    ::closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SafeFileWrite, ModeComesFromUmaskOrOldFileWithoutTouchingUmask) {
  const struct {
    mode_t umask;
    mode_t existing;  // 0: no file yet
    FileAccess access;
    mode_t expected;
  } cases[] = {
      {022, 0, FileAccess::Shared, 0644},
      {077, 0, FileAccess::Shared, 0600},
      {002, 0, FileAccess::Shared, 0664},
      {022, 0640, FileAccess::Shared, 0640},
      {077, 0664, FileAccess::Shared, 0664},
      {000, 0, FileAccess::Private, 0600},
      {022, 0644, FileAccess::Private, 0600},
      {002, 0666, FileAccess::Private, 0600},
      {000, 0, FileAccess::PrivateWhenNew, 0600},
      {022, 0644, FileAccess::PrivateWhenNew, 0644},
      {077, 0664, FileAccess::PrivateWhenNew, 0664},
  };
  const mode_t before = SetUmaskUncounted(022);
  for (const auto& c : cases) {
    TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);  // a folder anyone may look into
    const std::string path = dir.file("f.dat");
    if (c.existing != 0) {
      dir.Write("f.dat", "old");
      ASSERT_EQ(::chmod(path.c_str(), c.existing), 0);
    }
    SetUmaskUncounted(c.umask);
    const int calls = g_umaskCalls;
    EXPECT_EQ(SafeFileWrite(path, "new", 3, c.access), 0);
    EXPECT_EQ(g_umaskCalls, calls) << "the save changed the process umask";
    EXPECT_EQ(SetUmaskUncounted(c.umask), c.umask);
    EXPECT_EQ(ModeOf(path), c.expected) << std::oct << c.umask << " " << c.existing;
    EXPECT_EQ(dir.Read("f.dat"), "new");
  }
  SetUmaskUncounted(before);
}

// A name that is a symbolic link (a file kept elsewhere, a dotfile in a
// repository) stays a link, and the file it leads to takes the save; a link
// that leads nowhere yet makes that file.
TEST(SafeFileWrite, ALinkStaysALinkAndItsFileTakesTheSave) {
  const struct {
    const char* name;
    std::vector<std::pair<const char*, std::string>> links;  // name, text ("@" the folder)
    const char* file;                                        // where the save lands
    bool exists;
  } cases[] = {
      {"relative", {{"f.dat", "kept/f.dat"}}, "kept/f.dat", true},
      {"absolute", {{"f.dat", "@/kept/f.dat"}}, "kept/f.dat", true},
      {"dangling relative", {{"f.dat", "kept/new.dat"}}, "kept/new.dat", false},
      {"dangling absolute", {{"f.dat", "@/kept/new.dat"}}, "kept/new.dat", false},
      {"chain to nowhere", {{"f.dat", "g.dat"}, {"g.dat", "kept/../kept/new.dat"}}, "kept/new.dat", false},
  };
  for (const auto& c : cases) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("kept").c_str(), 0700), 0);
    if (c.exists) dir.Write(c.file, "old");
    for (const auto& [name, text] : c.links) {
      const std::string target = text[0] == '@' ? dir.path() + text.substr(1) : text;
      ASSERT_EQ(::symlink(target.c_str(), dir.file(name).c_str()), 0);
    }
    EXPECT_EQ(SafeFileWrite(dir.file("f.dat"), "new", 3), 0) << c.name;
    for (const auto& [name, text] : c.links) {
      struct stat st {};
      ASSERT_EQ(::lstat(dir.file(name).c_str(), &st), 0);
      EXPECT_TRUE(S_ISLNK(st.st_mode)) << c.name << ": the link " << name << " was replaced by a file";
    }
    EXPECT_EQ(dir.Read(c.file), "new") << c.name;
  }
}

// A device, a FIFO, a socket or a folder under the name (links followed)
// refuses the save and stays what it was: writing one in place would block,
// vanish into the device, or replace a node of the system by a file.
TEST(SafeFileWrite, ANameThatIsNoRegularFileRefusesTheSaveAndStays) {
  const bool root = ::geteuid() == 0;
  const struct {
    const char* name;
    std::function<int(const std::string&)> make;
  } cases[] = {
      {"FIFO", [](const std::string& p) { return ::mkfifo(p.c_str(), 0666); }},
      {"folder", [](const std::string& p) { return ::mkdir(p.c_str(), 0777); }},
      {"socket",
       [](const std::string& p) {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         std::strncpy(address.sun_path, p.c_str(), sizeof address.sun_path - 1);
         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
         const int made = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
         ::close(fd);
         return made;
       }},
      // The null device's numbers, as "programcli new -o /dev/null" met it.
      {"character device", [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)); }},
      {"link to a FIFO",
       [](const std::string& p) {
         return ::mkfifo((p + ".fifo").c_str(), 0666) || ::symlink((p + ".fifo").c_str(), p.c_str());
       }},
  };
  for (const auto& c : cases) {
    if (!root && std::strcmp(c.name, "character device") == 0) continue;
    TempDir dir;
    const std::string path = dir.file("f.dat");
    ASSERT_EQ(c.make(path), 0) << c.name;
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const std::vector<std::string> entries = Entries(dir.path());

    EXPECT_EQ(SafeFileWrite(path, "new", 3), kNotRegularFile) << c.name;
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0) << c.name;
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << c.name << " was replaced";
    EXPECT_EQ(after.st_ino, before.st_ino) << c.name << " was replaced";
    EXPECT_EQ(Entries(dir.path()), entries) << c.name << ": something was left behind";
  }
  EXPECT_EQ(FileErrorText(kNotRegularFile), "not a regular file");
}

// A file with no write bit refuses the save, also for root, who could write
// it; an ordinary user (nobody, when run as root) is refused one that is not
// theirs to write.
TEST(SafeFileWrite, AReadOnlyFileRefusesTheSaveAndStaysWhole) {
  constexpr uid_t kNobody = 65534;
  const bool root = ::geteuid() == 0;
  const struct {
    mode_t mode;
    bool asNobody;  // run as root: drop to nobody, who owns the file
    int error;
    const char* contents;
  } cases[] = {
      {0644, true, 0, "new"}, {0444, true, EACCES, "old"}, {0444, false, EACCES, "old"}, {0200, false, 0, "new"}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.file("f.dat");
    dir.Write("f.dat", "old");
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    const bool drop = root && c.asNobody;
    if (drop) {
      ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (drop && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(255);
      ::_exit(SafeFileWrite(path, "new", 3));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.error) << std::oct << c.mode << (drop ? " as nobody" : "");
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(dir.Read("f.dat"), c.contents) << std::oct << c.mode;
    EXPECT_EQ(Entries(dir.path()).size(), 1u) << "a temporary file was left behind";
  }
}

// A power cut may lose what was not synced: the new contents before the
// rename puts them in the target's place (else the name may end up holding
// nothing), and the rename itself, which lives in the folder.
TEST(SafeFileWrite, TheTemporaryIsSyncedBeforeAndTheFolderAfterTheRename) {
  TempDir dir;
  const std::string path = dir.file("f.dat");
  dir.Write("f.dat", "old");
  {
    std::lock_guard<std::mutex> lock(g_syncMutex);
    g_watchedFile = path;
    g_syncs.clear();
  }
  EXPECT_EQ(SafeFileWrite(path, "new", 3), 0);
  std::lock_guard<std::mutex> lock(g_syncMutex);
  g_watchedFile.clear();
  struct stat folder {};
  ASSERT_EQ(::stat(dir.path().c_str(), &folder), 0);
  for (const std::string& sync : {std::string("file new, watched old"),  // the temporary, before the rename
                                  "folder " + std::to_string(folder.st_ino) + ", watched new"})
    EXPECT_THAT(g_syncs, ::testing::Contains(sync));
}

// A long save (a trace) leaves time for the name to become something else:
// the commit looks again, and a FIFO put there meanwhile stays.
TEST(SafeFileWrite, ATargetSwappedForAFifoMeanwhileRefusesTheCommit) {
  TempDir dir;
  const std::string path = dir.file("f.dat");
  dir.Write("f.dat", "old");
  CSafeFile file;
  ASSERT_EQ(file.Open(path), 0);
  ASSERT_EQ(file.Write("new", 3), 0);
  ASSERT_EQ(::unlink(path.c_str()), 0);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(file.Commit(), kNotRegularFile);
  struct stat st {};
  ASSERT_EQ(::lstat(path.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the FIFO was replaced";
  EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{"f.dat"});
}

// Another user's link in a sticky folder anyone may write (/tmp) may lead to
// any file the one who saves may write: it is not followed, whatever the
// kernel's own setting, nor is such a link among the path's folders. A link
// of one's own, or of the folder's owner, or in a folder not shared so, is.
TEST(SafeFileWrite, AnotherUsersLinkInASharedFolderIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
  constexpr uid_t kOther = 65534;
  const struct {
    const char* name;
    mode_t folderMode;
    uid_t folderOwner;
    uid_t linkOwner;
    const char* link;  // in the shared folder, to the private one
    const char* save;  // below the shared folder
    int error;
  } cases[] = {
      {"planted link", 01777, 0, kOther, "victim.conf", "radio.dat", kForeignLink},
      {"planted dangling link", 01777, 0, kOther, "new.conf", "radio.dat", kForeignLink},
      {"planted folder link", 01777, 0, kOther, "", "radio.dat/victim.conf", kForeignFolderLink},
      {"own link", 01777, 0, 0, "victim.conf", "radio.dat", 0},
      {"the folder owner's link", 01777, kOther, kOther, "victim.conf", "radio.dat", 0},
      {"folder not sticky", 0777, 0, kOther, "victim.conf", "radio.dat", 0},
  };
  for (const auto& c : cases) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("private").c_str(), 0700), 0);
    dir.Write("private/victim.conf", "secret");
    ASSERT_EQ(::mkdir(dir.file("shared").c_str(), 0700), 0);
    const std::string link = dir.file("shared/radio.dat");
    ASSERT_EQ(::symlink(dir.file(std::string("private/") + c.link).c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
    ASSERT_EQ(::chown(dir.file("shared").c_str(), c.folderOwner, c.folderOwner), 0);
    ASSERT_EQ(::chmod(dir.file("shared").c_str(), c.folderMode), 0);

    std::string settings;  // a settings file made blank where it is missing
    (void)ReadOrCreateFile(dir.file(std::string("shared/") + c.save), 16, settings);
    EXPECT_EQ(SafeFileWrite(dir.file(std::string("shared/") + c.save), "new", 3), c.error) << c.name;
    EXPECT_EQ(Entries(dir.file("private")), std::vector<std::string>{"victim.conf"}) << c.name << ": a file was made";
    EXPECT_EQ(dir.Read("private/victim.conf"), c.error != 0 ? "secret" : "new") << c.name;
    EXPECT_EQ(Entries(dir.file("shared")), std::vector<std::string>{"radio.dat"}) << c.name;
  }
}

// Any name the file system takes saves, and leaves nothing beside it: the
// temporary's name is the target's with a suffix, cut where it would not fit.
TEST(SafeFileWrite, AnyNameTheFileSystemTakesSaves) {
  std::string chinese = "fg";  // then three bytes a character, cut inside one
  while (chinese.size() + 3 <= 255) chinese += "\xe4\xbf\xa1";
  const std::string names[] = {std::string(200, 'a'), std::string(228, 'b'), std::string(255, 'c'), chinese};
  for (const std::string& name : names) {
    for (const TemporaryKind kind : {TemporaryKind::Unnamed, TemporaryKind::Named}) {
      TempDir dir;
      dir.Write(name, "old");
      CSafeFile file;
      int err = file.Open(dir.file(name), FileAccess::Shared, kind);
      if (err == 0) err = file.Write("new", 3);
      if (err == 0) err = file.Commit();
      EXPECT_EQ(err, 0) << name.size();
      EXPECT_EQ(dir.Read(name), "new") << name.size();
      EXPECT_EQ(Entries(dir.path()), std::vector<std::string>{name}) << name.size();
    }
  }
}

// Several processes save one file at once, over and over, beside a user's
// file named like a temporary: every save succeeds, the file is always one
// whole save, and nothing else is left, with the unnamed temporary and with
// the named one of a file system that refuses it.
TEST(SafeFileWrite, ConcurrentSavesOfOneFileAllSucceedAndLeaveOnlyIt) {
  constexpr int kProcesses = 4;
  constexpr int kSaves = 600;
  constexpr std::size_t kSize = 1040;
  // On tmpfs, where a sync costs nothing: the races are the point here.
  struct stat shm {};
  const bool fast = ::stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) && ::access("/dev/shm", W_OK) == 0;
  CScopedEnv tmp("TMPDIR", fast ? "/dev/shm" : std::getenv("TMPDIR"));
  for (const TemporaryKind kind : {TemporaryKind::Unnamed, TemporaryKind::Named}) {
    TempDir dir;
    const std::string path = dir.file("f.dat");
    dir.Write("f.dat.tmpbackup", "the user's own");
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        int failed = 0;
        for (int i = 0; i < kSaves; ++i) {
          const std::string contents(kSize, static_cast<char>('A' + p));
          CSafeFile file;
          int err = file.Open(path, FileAccess::Shared, kind);
          if (err == 0) err = file.Write(contents.data(), contents.size());
          if (err == 0) err = file.Commit();
          failed += err != 0;
        }
        ::_exit(std::min(failed, 100));
      }
      children.push_back(child);
    }
    for (const pid_t child : children) {
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFEXITED(status));
      EXPECT_EQ(WEXITSTATUS(status), 0) << "failed saves in one process";
    }
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"f.dat", "f.dat.tmpbackup"}));
    const std::string last = dir.Read("f.dat");
    ASSERT_EQ(last.size(), kSize);
    EXPECT_EQ(last, std::string(kSize, last[0]));
    EXPECT_EQ(dir.Read("f.dat.tmpbackup"), "the user's own");
  }
}

}  // namespace
