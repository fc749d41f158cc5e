#include <dirent.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include <gtest/gtest.h>

#include "radio/SafeFileWrite.h"
#include "support/TempDir.h"

// Every umask() call of this binary is counted: the umask belongs to the
// whole process, and a save that sets it, even for a moment, changes the
// mode of files other threads create meanwhile.
namespace {
std::atomic<int> g_umaskCalls{0};
mode_t SetUmaskUncounted(mode_t mask) { return static_cast<mode_t>(::syscall(SYS_umask, mask)); }
}  // namespace
extern "C" mode_t umask(mode_t mask) {
  ++g_umaskCalls;
  return SetUmaskUncounted(mask);
}

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

TEST(SafeFileWrite, ModeComesFromUmaskOrOldFileWithoutTouchingUmask) {
  const struct {
    mode_t umask;
    mode_t existing;  // 0: no file yet
    mode_t expected;
  } cases[] = {
      {022, 0, 0644}, {077, 0, 0600}, {002, 0, 0664}, {022, 0640, 0640}, {077, 0664, 0664},
  };
  const mode_t before = SetUmaskUncounted(022);
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.file("f.dat");
    if (c.existing != 0) {
      dir.Write("f.dat", "old");
      ASSERT_EQ(::chmod(path.c_str(), c.existing), 0);
    }
    SetUmaskUncounted(c.umask);
    const int calls = g_umaskCalls;
    EXPECT_EQ(SafeFileWrite(path, "new", 3), 0);
    EXPECT_EQ(g_umaskCalls, calls) << "the save changed the process umask";
    EXPECT_EQ(SetUmaskUncounted(c.umask), c.umask);
    EXPECT_EQ(ModeOf(path), c.expected) << std::oct << c.umask << " " << c.existing;
    EXPECT_EQ(dir.Read("f.dat"), "new");
  }
  SetUmaskUncounted(before);
}

// A name that is a symbolic link (a file kept elsewhere, a dotfile in a
// repository) stays a link, and the file it leads to takes the save.
TEST(SafeFileWrite, ALinkStaysALinkAndItsFileTakesTheSave) {
  for (const bool relative : {false, true}) {
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("kept").c_str(), 0700), 0);
    dir.Write("kept/f.dat", "old");
    const std::string link = dir.file("f.dat");
    ASSERT_EQ(::symlink(relative ? "kept/f.dat" : dir.file("kept/f.dat").c_str(), link.c_str()), 0);
    EXPECT_EQ(SafeFileWrite(link, "new", 3), 0);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(dir.Read("kept/f.dat"), "new");
  }
}

// The save runs in a child as an ordinary user: root may write any file,
// and so would never be refused.
TEST(SafeFileWrite, AReadOnlyFileRefusesTheSaveAndStaysWhole) {
  constexpr uid_t kNobody = 65534;
  const struct {
    mode_t mode;
    int error;
    const char* contents;
  } cases[] = {{0644, 0, "new"}, {0444, EACCES, "old"}};
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.file("f.dat");
    dir.Write("f.dat", "old");
    ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
      ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(255);
      ::_exit(SafeFileWrite(path, "new", 3));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.error) << std::oct << c.mode;
    EXPECT_EQ(dir.Read("f.dat"), c.contents) << std::oct << c.mode;
    int entries = 0;
    if (DIR* d = ::opendir(dir.path().c_str())) {
      while (const dirent* e = ::readdir(d)) entries += e->d_name[0] != '.';
      ::closedir(d);
    }
    EXPECT_EQ(entries, 1) << "a temporary file was left behind";
  }
}

}  // namespace
