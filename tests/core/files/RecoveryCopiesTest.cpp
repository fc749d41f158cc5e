// Recovery copies: where they live, which ones a start offers (those whose
// program is gone, never a live one's), and what each run leaves behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "core/files/DataFile.h"
#include "core/files/RecoveryCopies.h"
#include "core/files/RecoveryMessage.h"
#include "core/files/RegularFile.h"
#include "core/files/UserFolders.h"
#include "core/os/FolderEntries.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace {

using ::testing::UnorderedElementsAreArray;

TEST(RecoveryCopies, LiveInTheStateFolder) {
  CScopedEnv home("HOME", "/h");
  for (const auto& [stateHome, folder] : {std::pair<const char*, const char*>{"/s", "/s/P/recovery/"},
                                          {nullptr, "/h/.local/state/P/recovery/"},
                                          {"s", "/h/.local/state/P/recovery/"}}) {
    CScopedEnv state("XDG_STATE_HOME", stateHome);
    EXPECT_EQ(RecoveryFolder("P"), folder) << (stateHome ? stateHome : "unset");
  }
}

// A killed program's lock file stays ("dead.lock", nobody holds it); one
// that ended left none ("gone"); a live one holds its lock. Only copies of
// the first two are offered, and nothing but copies is taken for one.
TEST(RecoveryCopies, OnlyCopiesOfProgramsThatAreGoneAreOffered) {
  TempDir dir;
  const std::string folder = dir.path() + "/";
  CRecoveryOwner live;
  ASSERT_EQ(live.Claim(folder), 0);
  ASSERT_EQ(live.Write(1, RadioImage()), 0);
  dir.Write("dead.lock", "");
  const std::pair<const char*, bool> names[] = {
      {"dead-1.dat", true},   {"dead-12.dat", true},  {"gone-3.dat", true},        {"dead-.dat", false},
      {"dead-1x.dat", false}, {"de-ad-1.dat", false}, {"dead-1.dat.tmp", false},   {"notes.dat", false},
      {"-1.dat", false},      {"dead-1.DAT", false},  {"dead-1.dat.tmp-9", false},
  };
  std::vector<std::string> offered;
  for (const auto& [name, isOffered] : names) {
    dir.Write(name, DataFileBytes(RadioImage()));
    if (isOffered) offered.push_back(dir.file(name));
  }
  {
    const COrphanedCopies found(folder);
    EXPECT_THAT(found.Paths(), UnorderedElementsAreArray(offered));
    // A second start meanwhile finds them taken.
    EXPECT_TRUE(COrphanedCopies(folder).Paths().empty());
  }
  // A folder another user may write is used for nothing.
  ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
  EXPECT_TRUE(COrphanedCopies(folder).Paths().empty());
  EXPECT_EQ(CRecoveryOwner().Claim(folder), kSharedFolder);
  ASSERT_EQ(::chmod(folder.c_str(), 0700), 0);
  // Left in place, they are offered again at the next start.
  EXPECT_THAT(COrphanedCopies(folder).Paths(), UnorderedElementsAreArray(offered));
  for (const std::string& path : offered) RemoveRecoveryCopy(path);
  { const COrphanedCopies none(folder); }
  // The dead owner's lock went with its copies; the live one's and every
  // other file stayed.
  const std::vector<std::string> left = FolderEntryNames(folder);
  EXPECT_THAT(left, ::testing::Not(::testing::Contains("dead.lock")));
  EXPECT_EQ(left.size(), std::size(names) - offered.size() + 2);
}

// A lock that is no regular file is never taken: a FIFO of that name would
// hold the start on its open (released here after a while, so the test ends).
TEST(RecoveryCopies, ALockOrACopyThatIsAFifoIsLeftAlone) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("fifo.lock").c_str(), 0600), 0);
  dir.Write("fifo-1.dat", DataFileBytes(RadioImage()));
  dir.Write("gone.lock", "");  // a program that is gone, whose "copy" is a FIFO
  ASSERT_EQ(::mkfifo(dir.file("gone-1.dat").c_str(), 0600), 0);
  auto offered = std::async(std::launch::async, [&] { return COrphanedCopies(dir.path()).Paths(); });
  const bool ended = offered.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  if (!ended) ::close(::open(dir.file("fifo.lock").c_str(), O_WRONLY | O_NONBLOCK));
  EXPECT_TRUE(ended);
  EXPECT_TRUE(offered.get().empty());
  struct stat st {};
  EXPECT_TRUE(::lstat(dir.file("fifo.lock").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

TEST(RecoveryCopies, EachRunWritesPrivateDataFilesOfItsOwn) {
  TempDir dir;
  const std::string folder = dir.file("state/recovery");
  auto first = std::make_unique<CRecoveryOwner>();
  CRecoveryOwner second;
  ASSERT_TRUE(first->Claim(folder) == 0 && second.Claim(folder) == 0);
  RadioImage image, loaded;
  image[0x10] = 0x42;
  ASSERT_TRUE(first->Write(1, image) == 0 && first->Write(2, image) == 0 && second.Write(1, RadioImage()) == 0);
  first->Remove(2);
  struct stat st {};
  ASSERT_EQ(::stat(first->CopyPath(1).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  ASSERT_TRUE(LoadDataFile(first->CopyPath(1), loaded).ok());
  EXPECT_EQ(loaded.bytes, image.bytes);
  // The run ends without removing copy 1: only that one is offered.
  const std::string kept = first->CopyPath(1);
  first.reset();
  EXPECT_EQ(COrphanedCopies(folder).Paths(), std::vector<std::string>{kept});
}

TEST(RecoveryCopies, MessagesSayWhenAndWhyInBothLanguages) {
  TempDir dir;
  dir.Write("c.dat", "");
  CScopedEnv tz("TZ", "UTC0");
  const timespec times[2] = {{0, UTIME_OMIT}, {1796543123, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("c.dat").c_str(), times, 0), 0);
  for (Language language : {Language::English, Language::Chinese}) {
    EXPECT_NE(RecoveryOfferText(dir.file("c.dat"), language).find("2026-12-06 07:45:23"), std::string::npos);
    const std::string failure = RecoveryFailureText("/s/", ENOSPC, language);
    EXPECT_TRUE(failure.find("/s/") != std::string::npos &&
                failure.find(FileErrorText(ENOSPC, language)) != std::string::npos)
        << failure;
  }
  EXPECT_NE(RecoveryOfferText("x", Language::English), RecoveryOfferText("x", Language::Chinese));
}

}  // namespace
