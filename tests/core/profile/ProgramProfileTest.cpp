// Which "Program.ini" the program reads and where a change goes: the program
// folder's own file while this user may write it, else the user's copy in the
// configuration folder.
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/profile/ProfileFile.h"
#include "core/profile/ProgramProfile.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

class ScopedConfigHome {
 public:
  explicit ScopedConfigHome(const std::string& path) { ::setenv("XDG_CONFIG_HOME", path.c_str(), 1); }
  ~ScopedConfigHome() { ::unsetenv("XDG_CONFIG_HOME"); }
};

void SetWritable(const std::string& path, bool writable) {
  fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  writable ? fs::perm_options::add : fs::perm_options::remove);
}

struct PathsCase {
  const char* name;
  bool folderWritable;
  bool fileWritable;
  bool shipped;  // a Program.ini in the program folder
  bool ownCopy;  // one in the configuration folder
  bool readOwn;
  bool writeOwn;
};
void PrintTo(const PathsCase& c, std::ostream* os) { *os << c.name; }

class ProgramProfilePathsTest : public ::testing::TestWithParam<PathsCase> {};

TEST_P(ProgramProfilePathsTest, ReadAndWrite) {
  const PathsCase& c = GetParam();
  TempDir program;
  TempDir config;
  ScopedConfigHome home(config.path());
  // The user's folder is named after the shipped AppName, made a folder name.
  const std::string folder = c.shipped ? "Quill_moor" : "Program";
  if (c.shipped) {
    program.Write("Program.ini", "[Setup]\nAppName=Quill/moor\n");
    SetWritable(program.file("Program.ini"), c.fileWritable);
  }
  if (c.ownCopy) {
    fs::create_directory(config.file(folder));
    config.Write(folder + "/Program.ini", "[Setup]\n");
  }
  SetWritable(program.path(), c.folderWritable);

  const ProfilePaths paths = ProgramProfilePaths(program.path() + "/");
  const std::string own = config.file(folder + "/Program.ini");
  EXPECT_EQ(paths.read, c.readOwn ? own : program.file("Program.ini"));
  EXPECT_EQ(paths.write, c.writeOwn ? own : program.file("Program.ini"));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramProfilePathsTest,
                         ::testing::Values(
                             //         name                       folder  file   shipped copy   readOwn writeOwn
                             PathsCase{"build_folder_ignores_copy", true, true, true, true, false, false},
                             PathsCase{"build_folder_without_file", true, true, false, false, false, false},
                             PathsCase{"installed_without_copy", false, false, true, false, false, true},
                             PathsCase{"installed_with_copy", false, false, true, true, true, true},
                             PathsCase{"read_only_file_in_writable_folder", true, false, true, false, false, true},
                             PathsCase{"writable_file_in_read_only_folder", false, true, true, true, true, true},
                             PathsCase{"read_only_folder_without_file", false, true, false, false, false, true}),
                         [](const ::testing::TestParamInfo<PathsCase>& info) { return std::string(info.param.name); });

// The first save makes the user's copy, folders and all, from what was read;
// the shipped file stays as it was.
TEST(ProfileSaveTo, FirstSaveMakesTheCopy) {
  TempDir program;
  TempDir config;
  const std::string shipped = "; shipped\n[Setup]\nLanguage=English\nAppName=Quill\n";
  program.Write("Program.ini", shipped);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(program.file("Program.ini"), ProfileOptions::IgnoreCase));
  profile.SaveTo(config.file("a/Quill/Program.ini"));
  profile.SetString("Setup", "Language", "Chinese");
  EXPECT_TRUE(profile.Save(false).ok);
  EXPECT_EQ(config.Read("a/Quill/Program.ini"), "[Setup]\nLanguage=Chinese\nAppName=Quill\n");
  EXPECT_EQ(program.Read("Program.ini"), shipped);
  EXPECT_EQ(profile.Path(), config.file("a/Quill/Program.ini"));

  // A file where the folder should be: the save fails and says why.
  config.Write("b", "");
  profile.SaveTo(config.file("b/Quill/Program.ini"));
  const CProfileFile::SaveResult failed = profile.Save(false);
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.sysError, ENOTDIR);
}

}  // namespace
