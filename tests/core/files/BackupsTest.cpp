// Automatic backups: safe names, names that sort by the instant, the newest
// fifty kept, and a failure that is only told.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/files/RegularFile.h"
#include "core/files/UserFolders.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

TEST(Backups, PortNamesBecomeSafeFileNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"COM1", "COM1"},          {"/dev/ttyUSB0", "dev_ttyUSB0"},
      {"\\\\.\\COM12", "COM12"}, {"/tmp/a b//c", "tmp_a_b_c"},
      {"../..", "port"},         {"", "port"},
      {"COM3:", "COM3"},         {"端口", "port"},
  };
  for (const auto& [port, stem] : cases) EXPECT_EQ(PortFileStem(port), stem) << port;
}

TEST(Backups, NamesHoldTheInstantInAnyTimeZone) {
  const system_clock::time_point when = system_clock::time_point(milliseconds(1796543123456LL));
  struct Zone {
    const char* tz;
    const char* name;     // made now: local time to the second
    const char* oldName;  // made by earlier versions, still known
  };
  const Zone zones[] = {
      {"UTC0", "2026-12-06 07.45.23 COM1.dat", "20261206-074523.456+0000_COM1.dat"},
      {"<+0530>-5:30", "2026-12-06 13.15.23 COM1.dat", "20261206-131523.456+0530_COM1.dat"},
      {"<-0330>3:30", "2026-12-06 04.15.23 COM1.dat", "20261206-041523.456-0330_COM1.dat"},
  };
  for (const Zone& z : zones) {
    CScopedEnv tz("TZ", z.tz);
    EXPECT_EQ(BackupFileName(when, "COM1"), z.name) << z.tz;
    EXPECT_EQ(BackupNameTime(z.name), 1796543123000LL) << z.tz;
    EXPECT_EQ(BackupNameTime(z.oldName), 1796543123456LL) << z.tz;
  }
  for (const char* other :
       {"notes.txt", "COM1.dat", "20261205-072523.456+0000_.dat", "20261305-072523.456+0000_x.dat",
        "20261205-072523.456*0000_x.dat", "20261205-072523.456+0000_x.txt", "2026-12-07 17.15.12 .dat",
        "2026-12-07 17.15.12 my notes.dat", "2026-13-07 17.15.12 COM1.dat", "2026-12-07 17:15:12 COM1.dat",
        "2026-12-07 17.15.12 COM1.txt", "2026-12-07_17.15.12_COM1.dat"})
    EXPECT_FALSE(BackupNameTime(other).has_value()) << other;
}

// Backups kept by an earlier version, under its names, count among the
// fifty and go first when they are the oldest.
// An earlier version's backups count among the fifty, by their instant.
TEST(Backups, OldNamesArePrunedWithTheNew) {
  TempDir dir;
  CScopedEnv tz("TZ", "UTC0");
  const std::string folder = dir.file("backups/");
  std::filesystem::create_directory(folder);
  // Old names from seconds before 2026-12-06 07:45:23, the last a year later.
  for (int i = 0; i < 25; ++i)
    dir.Write("backups/" + std::string(i == 24 ? "2027" : "2026") + "1206-0700" + std::to_string(10 + i) +
                  ".456+0000_COM1.dat",
              DataFileBytes(RadioImage()));
  const system_clock::time_point start = system_clock::time_point(milliseconds(1796543123456LL));
  for (int i = 0; i <= 25; ++i) ASSERT_TRUE(SaveBackup(folder, RadioImage(), "COM2", start + std::chrono::hours(i)).ok);
  const std::vector<std::string> kept = ListBackups(folder);
  ASSERT_EQ(kept.size(), 50u);
  EXPECT_EQ(kept.front(), "20261206-070011.456+0000_COM1.dat");
  EXPECT_EQ(kept[23], "2026-12-06 07.45.23 COM2.dat");
  EXPECT_EQ(kept.back(), "20271206-070034.456+0000_COM1.dat");
}

TEST(Backups, TheFiftyFirstRemovesTheOldestAndNothingElse) {
  TempDir dir;
  const std::string folder = dir.file("data/Program/");  // made on the first save
  const system_clock::time_point start = system_clock::now();
  for (int i = 0; i < kBackupsKept; ++i) {
    RadioImage image;
    image[0] = static_cast<std::uint8_t>(i);
    ASSERT_TRUE(SaveBackup(folder, image, "COM1", start + std::chrono::seconds(i)).ok) << i;
  }
  dir.Write("data/Program/notes.txt", "kept");
  const std::vector<std::string> before = ListBackups(folder);
  ASSERT_EQ(before.size(), 50u);

  RadioImage last;
  last[0] = 0xAB;
  const BackupResult r = SaveBackup(folder, last, "/dev/ttyUSB0", start + std::chrono::seconds(60));
  ASSERT_TRUE(r.ok);
  EXPECT_NE(r.path.find(" dev_ttyUSB0.dat"), std::string::npos) << r.path;
  const std::vector<std::string> after = ListBackups(folder);
  ASSERT_EQ(after.size(), 50u);
  EXPECT_EQ(after.front(), before[1]) << "the oldest went";
  EXPECT_EQ(folder + after.back(), r.path);
  RadioImage read;
  ASSERT_TRUE(LoadDataFile(r.path, read).ok());
  EXPECT_EQ(read, last);
  EXPECT_EQ(dir.Read("data/Program/notes.txt"), "kept");
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u) << "backups are the user's own";
  // Each file too, whoever made the folder and whatever the umask: it holds
  // a radio's whole memory.
  ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
  const mode_t umask = ::umask(022);
  const BackupResult open = SaveBackup(folder, last, "COM2", start + std::chrono::seconds(61));
  ::umask(umask);
  ASSERT_TRUE(open.ok);
  ASSERT_EQ(::stat(open.path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << open.path;
  ASSERT_EQ(::unlink(open.path.c_str()), 0);

  // Two reads within one second from one port keep both.
  const BackupResult again = SaveBackup(folder, last, "/dev/ttyUSB0", start + std::chrono::seconds(60));
  ASSERT_TRUE(again.ok);
  EXPECT_NE(again.path, r.path);
  EXPECT_EQ(ListBackups(folder).back(), again.path.substr(folder.size()));

  // A clock set back gives the backup just made the oldest name; it stays.
  const BackupResult early = SaveBackup(folder, last, "COM1", start - std::chrono::hours(1));
  ASSERT_TRUE(early.ok);
  const std::vector<std::string> kept = ListBackups(folder);
  EXPECT_EQ(kept.size(), 50u);
  EXPECT_EQ(folder + kept.front(), early.path) << "the backup just made was removed";
}

TEST(Backups, ABackupIsKnownByItsNameInTheFolderHoweverReached) {
  TempDir dir;
  std::filesystem::create_directories(dir.file("data/Program"));
  std::filesystem::create_directory_symlink(dir.file("data/Program"), dir.file("link"));
  const std::string folder = dir.file("data/Program/");
  const std::pair<std::string, bool> cases[] = {
      {dir.file("link/2026-12-07 17.15.12 COM1.dat"), true},
      {folder + "20261207-153554.123+0800_COM1.dat", true},
      {dir.file("data/2026-12-07 17.15.12 COM1.dat"), false},
      {folder + "customer.dat", false},
  };
  for (const auto& [path, backup] : cases) EXPECT_EQ(IsBackupFile(path, folder), backup) << path;
}

TEST(Backups, AFolderThatCannotBeMadeIsToldWithThePath) {
  TempDir dir;
  dir.Write("file", "x");
  const BackupResult r = SaveBackup(dir.file("file/Program"), RadioImage(), "COM1");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.sysError, ENOTDIR);
  const std::string message = BackupFailureMessage(r, Language::English);
  EXPECT_EQ(message.rfind("No backup was saved: cannot write '" + dir.file("file/Program/"), 0), 0u) << message;
  EXPECT_EQ(BackupFailureMessage(r, Language::Chinese).rfind("未保存备份", 0), 0u);
}

TEST(UserFolders, FollowTheXdgVariablesAndTheApplicationName) {
  struct Case {
    const char* dataHome;
    const char* home;
    const char* appName;
    const char* folder;
  };
  const Case cases[] = {
      {"/x/data", "/home/u", "QuillmoorProgrammer", "/x/data/QuillmoorProgrammer/"},
      {"/x/data/", "/home/u", "", "/x/data/Program/"},
      {nullptr, "/home/u", "A/B", "/home/u/.local/share/A_B/"},
      {"relative", "/home/u", "..", "/home/u/.local/share/Program/"},
  };
  for (const Case& c : cases) {
    CScopedEnv data("XDG_DATA_HOME", c.dataHome);
    CScopedEnv home("HOME", c.home);
    EXPECT_EQ(BackupFolder(c.appName), c.folder) << c.appName;
  }
  CScopedEnv cache("XDG_CACHE_HOME", "/c");
  EXPECT_EQ(TraceFolder("P"), "/c/P/");
}

// Private files (backups, traces, settings) go only where nobody else may
// plant or swap them: a folder another user may write, or one below a folder
// others may write that is not sticky, is refused; so is one not made yet
// whose maker would be such a folder.
TEST(UserFolders, PrivateFilesGoOnlyWhereNoOtherUserMayWrite) {
  const struct {
    const char* folder;  // below the test's folder; "" and "~" stand for an empty and a relative folder
    const char* shared;  // made 0777 or 01777 below the test's folder
    mode_t mode;
    int error;
  } cases[] = {
      {"own", "", 0, 0},
      {"mine/own", "mine", 0777, kSharedFolder},
      {"tmp/own", "tmp", 01777, 0},
      {"tmp/not-made/own", "tmp", 01777, kSharedFolder},
      {"tmp", "tmp", 01777, kSharedFolder},
      {"lent", "", 0, kSharedFolder},  // another user's, when run as root
      {"", "", 0, kNoHomeFolder},
      {"~", "", 0, kNoHomeFolder},
  };
  for (const auto& c : cases) {
    TempDir dir;
    if (*c.shared) {
      ASSERT_EQ(::mkdir(dir.file(c.shared).c_str(), c.mode), 0);
      ASSERT_EQ(::chmod(dir.file(c.shared).c_str(), c.mode), 0);
    }
    const std::string name = c.folder;
    if (name == "lent" && ::geteuid() != 0) continue;
    if (name == "lent" || name.find("own") != std::string::npos) ASSERT_EQ(MakeFolders(dir.file(name)), 0);
    if (name == "lent") ASSERT_EQ(::chown(dir.file(name).c_str(), 65534, 65534), 0);
    if (name == "tmp/not-made/own") std::filesystem::remove_all(dir.file("tmp/not-made"));
    const std::string folder = name.empty() ? "" : name == "~" ? "Program/" : dir.file(name) + "/";
    EXPECT_EQ(CheckPrivateFolder(folder), c.error) << name;
  }
}

// Without $HOME and without a password entry there is no folder for private
// files at all: never a shared one such as /tmp in its place.
TEST(UserFolders, NoHomeKnownMeansNoFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "a user without a password entry needs root";
  CScopedEnv home("HOME", nullptr);
  CScopedEnv data("XDG_DATA_HOME", nullptr);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setuid(54321) != 0) ::_exit(2);
    const BackupResult r = SaveBackup(BackupFolder("P"), RadioImage(), "COM1");
    ::_exit(UserDataFolder().empty() && BackupFolder("P").empty() && r.sysError == kNoHomeFolder ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
