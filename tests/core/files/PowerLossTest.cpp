// A save cut off at any moment, as by a power cut: a child saves in a loop
// through the real save code (data files, "Program.ini", backups of a read),
// the test kills it with SIGKILL at random moments, and after each kill every
// file is one whole generation, the newest never older than the last one
// seen, and the next save leaves nothing in the way.
//
// PROGRAM_POWERLOSS_KILLS sets the kills per kind of file (default 20;
// bench/powerloss.sh runs hundreds), PROGRAM_TEST_SEED the random seed.
#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/files/Backups.h"
#include "core/files/DataFile.h"
#include "core/profile/ProfileFile.h"
#include "support/TempDir.h"
#include "support/TestSeed.h"

namespace {

RadioImage GenerationImage(int g) {
  RadioImage image;
  for (std::size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<std::uint8_t>(i * 31 + static_cast<std::size_t>(g));
  for (int b = 0; b < 4; ++b) image[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(g >> (8 * b));
  return image;
}

int DataFileGeneration(const std::string& bytes) {
  if (bytes.size() != kDataFileSize) return -1;
  int g = 0;
  for (int b = 3; b >= 0; --b)
    g = (g << 8) | static_cast<std::uint8_t>(bytes[kDataFileHeaderSize + static_cast<std::size_t>(b)]);
  return g;
}

int SaveDataFileGeneration(const std::string& folder, int g) {
  return SaveDataFile(folder + "/Channels.dat", GenerationImage(g)).sysError;
}

// The longest name a file may have: its temporaries' names are cut to fit.
const std::string kLongestName = std::string(251, 'L') + ".dat";

int SaveLongNameGeneration(const std::string& folder, int g) {
  return SaveDataFile(folder + "/" + kLongestName, GenerationImage(g)).sysError;
}

// Enough lines that the text takes several writes' worth of time to land.
void SetProfileGeneration(CProfileFile& profile, int g) {
  profile.SetString("Setup", "Language", "English");
  profile.SetString("Setup", "Generation", std::to_string(g));
  for (int i = 0; i < 200; ++i)
    profile.SetString("Models", "Model" + std::to_string(i), std::to_string(g) + "-" + std::to_string(i * 7919));
}

std::string ProfileText(int g) {
  CProfileFile profile;
  profile.ParseText("");
  SetProfileGeneration(profile, g);
  return profile.SerializedText();
}

int ProfileGeneration(const std::string& text) {
  const std::string key = "Generation=";
  const auto at = text.find(key);
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size());
}

int SaveProfileGeneration(const std::string& folder, int g) {
  CProfileFile profile;
  if (!profile.Load(folder + "/Program.ini", ProfileOptions::IgnoreCase)) return EIO;
  SetProfileGeneration(profile, g);
  return profile.Save(false).sysError;
}

// A backup of a read: each save adds one under a name of its own, from the
// time of the read, which no later save repeats (the process tells them
// apart within one generation's second).
int SaveBackupGeneration(const std::string& folder, int g) {
  const auto when = std::chrono::system_clock::time_point(std::chrono::seconds(1700000000 + g) +
                                                          std::chrono::milliseconds(::getpid() % 1000));
  return SaveBackup(folder, GenerationImage(g), "COM1", when).sysError;
}

// One kind of file that the program writes. A kind that replaces one file
// keeps only that name; the backups keep every backup name. Each file kept
// must be whole, and no other file may stay.
struct SaveKind {
  const char* name;
  int (*save)(const std::string& folder, int generation);  // 0 or an errno
  bool (*keeps)(const std::string& fileName);
  std::string (*content)(int generation);
  int (*generationOf)(const std::string& bytes);  // -1: no generation at all
};

const SaveKind kKinds[] = {
    {"data file", SaveDataFileGeneration, [](const std::string& f) { return f == "Channels.dat"; },
     [](int g) { return DataFileBytes(GenerationImage(g)); }, DataFileGeneration},
    {"data file of the longest name", SaveLongNameGeneration, [](const std::string& f) { return f == kLongestName; },
     [](int g) { return DataFileBytes(GenerationImage(g)); }, DataFileGeneration},
    {"Program.ini", SaveProfileGeneration, [](const std::string& f) { return f == "Program.ini"; }, ProfileText,
     ProfileGeneration},
    {"backup", SaveBackupGeneration, [](const std::string& f) { return BackupNameTime(f).has_value(); },
     [](int g) { return DataFileBytes(GenerationImage(g)); }, DataFileGeneration},
};

int EnvInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(folder.c_str())) {
    while (const dirent* e = ::readdir(dir)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Saves generations from `first` on until killed.
[[noreturn]] void SaveForever(const SaveKind& kind, const std::string& folder, int first) {
  for (int g = first;; ++g)
    if (kind.save(folder, g) != 0) ::_exit(3);
}

TEST(PowerLoss, AKilledSaveLeavesAWholeFileAndNothingInTheWay) {
  const int kills = EnvInt("PROGRAM_POWERLOSS_KILLS", 20);
  std::printf("%d kills per kind\n", kills);
  std::mt19937 random(TestSeed());

  for (const SaveKind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    TempDir dir;
    ASSERT_EQ(kind.save(dir.path(), 0), 0);
    // Kills land anywhere within a few saves' time, from before the first
    // byte to after the rename.
    const auto start = std::chrono::steady_clock::now();
    for (int g = 1; g <= 20; ++g) ASSERT_EQ(kind.save(dir.path(), g), 0);
    const auto perSave =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 20;
    std::uniform_int_distribution<long> delay(0, 3 * perSave.count() + 50);

    int last = 20;
    int checked = 0;
    int leftovers = 0;
    for (int k = 0; k < kills; ++k) {
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) SaveForever(kind, dir.path(), last + 1);
      ::usleep(static_cast<useconds_t>(delay(random)));
      ::kill(child, SIGKILL);
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended on its own, status " << status;

      int newest = -1;
      for (const std::string& name : FolderEntries(dir.path())) {
        if (!kind.keeps(name)) {
          ++leftovers;
          continue;
        }
        const std::string bytes = dir.Read(name);
        const int g = kind.generationOf(bytes);
        ASSERT_EQ(bytes, kind.content(g)) << "kill " << k << ": " << name << " is no whole generation";
        newest = std::max(newest, g);
        ++checked;
      }
      ASSERT_GE(newest, last) << "kill " << k << ": the file went back";
      last = newest;

      // The next save goes through and clears whatever the killed one left.
      ASSERT_EQ(kind.save(dir.path(), ++last), 0) << "kill " << k;
      for (const std::string& name : FolderEntries(dir.path()))
        ASSERT_TRUE(kind.keeps(name)) << "kill " << k << ": " << name << " stays in the way";
    }
    std::printf("%s: %d kills, %d files checked, last generation %d, %d left-over temporary files cleared\n", kind.name,
                kills, checked, last, leftovers);
  }
}

}  // namespace
