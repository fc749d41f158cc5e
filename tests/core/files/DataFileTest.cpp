#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/os/SaveTemporary.h"
#include "support/TempDir.h"

namespace {

RadioImage PatternImage() {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return image;
}

std::string FileOf(const RadioImage& image) { return DataFileBytes(image); }

TEST(DataFile, SaveWritesSignatureZerosAndImage) {
  TempDir dir;
  const RadioImage image = PatternImage();
  ASSERT_TRUE(SaveDataFile(dir.file("a.dat"), image).ok());
  const std::string bytes = dir.Read("a.dat");
  ASSERT_EQ(bytes.size(), 1040u);
  EXPECT_EQ(bytes.substr(0, 4), "S333");
  EXPECT_EQ(bytes.substr(4, 12), std::string(12, '\0'));
  EXPECT_EQ(bytes.substr(16), std::string(reinterpret_cast<const char*>(image.data()), 1024));

  RadioImage back;
  ASSERT_TRUE(LoadDataFile(dir.file("a.dat"), back).ok());
  EXPECT_EQ(back, image);
}

struct LoadCase {
  const char* name;
  std::string content;
  DataFileStatus expected;
};

class DataFileLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(DataFileLoad, StatusAndImage) {
  const LoadCase& c = GetParam();
  TempDir dir;
  dir.Write("f.dat", c.content);
  RadioImage image = PatternImage();
  const DataFileResult r = LoadDataFile(dir.file("f.dat"), image);
  EXPECT_EQ(r.status, c.expected);
  if (c.expected == DataFileStatus::Ok) {
    EXPECT_EQ(0, std::memcmp(image.data(), c.content.data() + 16, 1024));
  } else {
    EXPECT_EQ(image, PatternImage()) << "a failed load must leave the image as it was";
  }
}

std::string Valid() { return DataFileBytes(RadioImage()); }
std::string WithHeaderNoise() {
  std::string s = FileOf(PatternImage());
  for (int i = 4; i < 16; ++i) s[i] = 'x';
  return s;
}
std::string WrongFourthByte() {
  std::string s = Valid();
  s[3] = 0x34;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataFileLoad,
    ::testing::Values(LoadCase{"exact", FileOf(PatternImage()), DataFileStatus::Ok},
                      LoadCase{"header_bytes_ignored", WithHeaderNoise(), DataFileStatus::Ok},
                      LoadCase{"long_file_refused", FileOf(PatternImage()) + std::string(960, 'z'),
                               DataFileStatus::LongFile},
                      LoadCase{"one_byte_long", Valid() + 'z', DataFileStatus::LongFile},
                      LoadCase{"wrong_signature", WrongFourthByte(), DataFileStatus::BadSignature},
                      LoadCase{"lower_case_signature", "s333" + Valid().substr(4), DataFileStatus::BadSignature},
                      LoadCase{"one_byte_short", Valid().substr(0, 1039), DataFileStatus::ShortFile},
                      LoadCase{"header_only", Valid().substr(0, 16), DataFileStatus::ShortFile},
                      LoadCase{"empty", std::string(), DataFileStatus::ShortFile},
                      LoadCase{"two_wrong_bytes", std::string("XY"), DataFileStatus::BadSignature},
                      LoadCase{"short_and_wrong", std::string("S334"), DataFileStatus::BadSignature}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(DataFile, MissingFileAndFolderCannotOpen) {
  TempDir dir;
  RadioImage image;
  EXPECT_EQ(LoadDataFile(dir.file("none.dat"), image).status, DataFileStatus::CannotOpen);
  EXPECT_EQ(LoadDataFile(dir.path(), image).status, DataFileStatus::CannotOpen);
  EXPECT_EQ(image, RadioImage());
}

TEST(DataFile, FailedSaveKeepsOldFileWhole) {
  TempDir dir;
  ASSERT_TRUE(SaveDataFile(dir.file("keep.dat"), PatternImage()).ok());
  const std::string before = dir.Read("keep.dat");
  // A file size limit makes the write itself fail, even for root.
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 500;
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  const DataFileResult r = SaveDataFile(dir.file("keep.dat"), RadioImage());
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(r.status, DataFileStatus::CannotWrite);
  EXPECT_EQ(r.sysError, EFBIG);
  EXPECT_EQ(dir.Read("keep.dat"), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file may be left behind";
}

TEST(DataFile, SaveIntoMissingFolderFailsWithoutLeftovers) {
  TempDir dir;
  const DataFileResult r = SaveDataFile(dir.file("no/such/x.dat"), RadioImage());
  EXPECT_EQ(r.status, DataFileStatus::CannotWrite);
  EXPECT_EQ(r.sysError, ENOENT);
}

TEST(DataFile, NewFilesTakeTheUmaskEvenWhenSavedFromManyThreadsAtOnce) {
  TempDir dir;
  const mode_t old = ::umask(027);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&dir, t] {
      for (int i = 0; i < 10; ++i)
        SaveDataFile(dir.file(std::to_string(t) + "-" + std::to_string(i) + ".dat"), PatternImage(),
                     FileAccess::Shared);
    });
  for (std::thread& t : threads) t.join();
  ::umask(old);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    struct stat st {};
    ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << entry.path();
    ++files;
  }
  EXPECT_EQ(files, 40);
}

// A FIFO must be refused, not waited on: nobody will ever write to it.
TEST(DataFile, FifoIsRefusedWithoutWaiting) {
  const struct {
    const char* name;
    const char* fifo;
    std::function<bool(const TempDir&)> refused;
  } cases[] = {
      {"data file", "f.dat",
       [](const TempDir& d) {
         RadioImage image;
         return LoadDataFile(d.file("f.dat"), image).status == DataFileStatus::CannotOpen && image == RadioImage();
       }},
      {"Default.dat", "Default.dat",
       [](const TempDir& d) { return NewDocumentImage(d.path() + "/") == BuiltInDefaults(); }},
  };
  for (const auto& c : cases) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file(c.fifo).c_str(), 0600), 0);
    auto load = std::async(std::launch::async, c.refused, std::cref(dir));
    const bool hung = load.wait_for(std::chrono::seconds(5)) != std::future_status::ready;
    // A writer that comes and goes releases a reader stuck in open().
    if (hung) ::close(::open(dir.file(c.fifo).c_str(), O_WRONLY | O_NONBLOCK));
    EXPECT_FALSE(hung) << c.name;
    EXPECT_TRUE(load.get()) << c.name;
  }
}

// A leftover is known only by its name holding the proof of its own inode,
// and taken only when nobody holds it: a user's file survives any name.
TEST(DataFile, ASaveClearsOnlyItsOwnLeftOversThatNobodyHolds) {
  TempDir dir;
  const std::string target = dir.file("a.dat");
  const auto proofOf = [&](const std::string& file) {
    const int fd = ::open(dir.file(file).c_str(), O_RDONLY);
    const std::string name = SaveTemporaryName(target, fd);
    ::close(fd);
    return name;
  };
  CSaveTemporary held;  // a save still under way, named as where O_TMPFILE is refused
  ASSERT_EQ(held.Create(dir.path(), "a.dat", 0666, TemporaryKind::Named), 0);
  const std::string heldName = SaveTemporaryName(target, held.Fd());
  ASSERT_TRUE(std::filesystem::exists(dir.file(heldName)));

  dir.Write("notes", "x");
  const std::string others[] = {"a.dat.tmp",           "a.dat.tmpbackup", "a.dat.tmpDEAD00", "a.dat.tmp-new-ABCDEF",
                                "b.dat.tmpABCDEF",     "a.dat.001",       "notes",           "a.dat.tmp-0-0.0",
                                proofOf("notes") + "x"};
  for (const std::string& name : others) dir.Write(name, "x");
  // A user's file under the proof of another file's inode.
  dir.Write("forged", "x");
  const std::string forged = proofOf("notes");
  std::filesystem::rename(dir.file("forged"), dir.file(forged));
  // The remains of a save killed between naming its temporary and the rename.
  dir.Write("dead", "remains of a killed save");
  const std::string dead = proofOf("dead");
  std::filesystem::rename(dir.file("dead"), dir.file(dead));

  ASSERT_TRUE(SaveDataFile(target, PatternImage()).ok());
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) left.push_back(e.path().filename());
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected(std::begin(others), std::end(others));
  expected.insert(expected.end(), {"a.dat", heldName, forged});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);

  held.Discard();  // a save that gave up takes its temporary away
  EXPECT_FALSE(std::filesystem::exists(dir.file(heldName)));
}

TEST(NewDocument, BuiltInDefaultsTable) {
  const RadioImage image = BuiltInDefaults();
  RadioImage expected;  // all 0xFF
  const std::pair<int, int> set[] = {{0x12F, 0x01}, {0x130, 0x03}, {0x134, 0x05}, {0x135, 0x01}, {0x136, 0x01},
                                     {0x139, 0x00}, {0x13A, 0x05}, {0x13B, 0x00}, {0x161, 0x00}, {0x390, 0xF9}};
  for (auto [at, v] : set) expected[at] = static_cast<std::uint8_t>(v);
  for (int k = 0; k < 9; ++k) {
    expected[0x3E0 + 3 * k] = 0x4D;
    expected[0x3E1 + 3 * k] = 0x9B;
    expected[0x3E2 + 3 * k] = 0xFF;
  }
  EXPECT_EQ(image, expected);
}

TEST(NewDocument, DefaultDatTakenAsItIs) {
  struct Case {
    const char* name;
    std::string content;
    RadioImage expected;
  };
  RadioImage tenBytes;  // 10 bytes end inside the header: nothing reaches the image
  RadioImage partial;
  for (int i = 0; i < 20; ++i) partial[i] = static_cast<std::uint8_t>(i);
  std::string partialFile = "JUNK" + std::string(12, 'j');
  for (int i = 0; i < 20; ++i) partialFile.push_back(static_cast<char>(i));
  const Case cases[] = {
      {"full", FileOf(PatternImage()), PatternImage()},
      {"ten_bytes", "S333S333S3", tenBytes},
      {"wrong_signature_short", partialFile, partial},
  };
  for (const Case& c : cases) {
    TempDir dir;
    dir.Write("Default.dat", c.content);
    EXPECT_EQ(NewDocumentImage(dir.path() + "/"), c.expected) << c.name;
  }
}

TEST(NewDocument, WithoutDefaultDatUsesBuiltIns) {
  TempDir dir;
  EXPECT_EQ(NewDocumentImage(dir.path() + "/"), BuiltInDefaults());
  std::filesystem::create_directory(dir.file("Default.dat"));
  EXPECT_EQ(NewDocumentImage(dir.path() + "/"), BuiltInDefaults());
}

}  // namespace
