// Automatic backups: safe names, names that sort by the instant, the newest
// fifty kept, and a failure that is only told.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>

#include "app/UserFolders.h"
#include "radio/Backups.h"
#include "radio/DataFile.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

TEST(Backups, PortNamesBecomeSafeFileNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"COM1", "COM1"},           {"/dev/ttyUSB0", "dev_ttyUSB0"}, {"\\\\.\\COM12", "COM12"},
      {"/tmp/a b//c", "tmp_a_b_c"}, {"../..", "port"},             {"", "port"},
      {"COM3:", "COM3"},          {"端口", "port"},
  };
  for (const auto& [port, stem] : cases) EXPECT_EQ(PortFileStem(port), stem) << port;
}

TEST(Backups, NamesHoldTheInstantInAnyTimeZone) {
  const system_clock::time_point when = system_clock::time_point(milliseconds(1796543123456LL));
  const std::pair<const char*, const char*> zones[] = {
      {"UTC0", "20261206-074523.456+0000_COM1.dat"},
      {"<+0530>-5:30", "20261206-131523.456+0530_COM1.dat"},
      {"<-0330>3:30", "20261206-041523.456-0330_COM1.dat"},
  };
  for (const auto& [zone, name] : zones) {
    CScopedEnv tz("TZ", zone);
    EXPECT_EQ(BackupFileName(when, "COM1"), name) << zone;
    EXPECT_EQ(BackupNameTime(name), 1796543123456LL) << zone;
  }
  for (const char* other : {"notes.txt", "COM1.dat", "20261205-072523.456+0000_.dat", "20261305-072523.456+0000_x.dat",
                            "20261205-072523.456*0000_x.dat", "20261205-072523.456+0000_x.txt"})
    EXPECT_FALSE(BackupNameTime(other).has_value()) << other;
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
  EXPECT_NE(r.path.find("_dev_ttyUSB0.dat"), std::string::npos) << r.path;
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

  // Two reads within one millisecond from one port keep both.
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

TEST(Backups, AFolderThatCannotBeMadeIsToldWithThePath) {
  TempDir dir;
  dir.Write("file", "x");
  const BackupResult r = SaveBackup(dir.file("file/Program"), RadioImage(), "COM1");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.sysError, ENOTDIR);
  const std::string message = BackupFailureMessage(r, false);
  EXPECT_EQ(message.rfind("No backup was saved: cannot write '" + dir.file("file/Program/"), 0), 0u) << message;
  EXPECT_EQ(BackupFailureMessage(r, true).rfind("未保存备份", 0), 0u);
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

}  // namespace
