#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "core/files/ProgramFolder.h"
#include "core/profile/ProfileFile.h"
#include "support/TempDir.h"

namespace {

// ---------------------------------------------------------------- lookups

struct LookupCase {
  const char* name;
  const char* text;
  bool ignoreCase;
  const char* section;
  const char* key;
  const char* defaultValue;
  const char* expected;
};
void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

class ProfileLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, GetString) {
  const LookupCase& c = GetParam();
  TempDir dir;
  dir.Write("p.ini", c.text);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("p.ini"), c.ignoreCase ? ProfileOptions::IgnoreCase : ProfileOptions::None));
  EXPECT_EQ(profile.GetString(c.section, c.key, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileLookup,
    ::testing::Values(
        LookupCase{"semicolon_after_space_is_part_of_value", "[Setup]\nLanguage=Chinese ; remark\n", true, "Setup",
                   "Language", "", "Chinese ; remark"},
        LookupCase{"double_slash_cut_keeps_blank", "[Setup]\nLanguage = English // remark\n", true, "Setup", "Language",
                   "", "English "},
        LookupCase{"tab_semicolon_cut", "[Setup]\nLanguage=English\t;remark\n", true, "Setup", "Language", "",
                   "English"},
        LookupCase{"slash_star_cut", "[S]\nk=abc /* x */\n", true, "S", "k", "", "abc "},
        LookupCase{"cuts_in_order", "[S]\nk=a\t;b/*c//d\n", true, "S", "k", "", "a"},
        LookupCase{"single_slash_kept", "[S]\nk=a/b\n", true, "S", "k", "", "a/b"},
        LookupCase{"later_duplicate_wins", "[Setup]\nLanguage=English\nLanguage=Chinese\n", true, "Setup", "Language",
                   "", "Chinese"},
        LookupCase{"second_header_unseen", "[Setup]\nA=1\n[Setup]\nLanguage=Chinese\n", true, "Setup", "Language",
                   " none ", "none"},
        LookupCase{"first_header_seen", "[Setup]\nA=1\n[Setup]\nA=2\n", true, "Setup", "A", "", "1"},
        LookupCase{"spaces_in_brackets_are_name", "[ Setup ]\nLanguage=Chinese\n", true, "Setup", "Language", "d", "d"},
        LookupCase{"spaced_name_found_verbatim", "[ Setup ]\nLanguage=Chinese\n", true, " Setup ", "Language", "",
                   "Chinese"},
        LookupCase{"star_comment_line", "[Setup]\n*Language=Chinese\n", true, "Setup", "Language", "English",
                   "English"},
        LookupCase{"semicolon_comment_line", "[S]\n;k=1\n", true, "S", "k", "d", "d"},
        LookupCase{"slash_comment_line", "[S]\n/k=1\n", true, "S", "k", "d", "d"},
        LookupCase{"backslash_comment_line", "[S]\n\\k=1\n", true, "S", "k", "d", "d"},
        LookupCase{"indented_comment_line", "[S]\n   ;k=1\n", true, "S", "k", "d", "d"},
        LookupCase{"pair_before_header", "A=1\n[Setup]\nB=2\n", true, "", "A", "", "1"},
        LookupCase{"no_equals_is_empty_value", "[S]\nflag\n", true, "S", "flag", "d", ""},
        LookupCase{"empty_key_line_skipped", "[S]\n=value\n", true, "S", "", "d", "d"},
        LookupCase{"first_equals_splits", "[S]\na=b=c\n", true, "S", "a", "", "b=c"},
        LookupCase{"blanks_around_key_and_value", "[S]\n \t Key  =  v a l \t\n", true, "S", "Key", "", "v a l"},
        LookupCase{"crlf_lines", "[Setup]\r\nLanguage=Chinese\r\nShowLang=1\r\n", true, "Setup", "Language", "",
                   "Chinese"},
        LookupCase{"last_line_without_newline", "[S]\nk=v", true, "S", "k", "", "v"},
        LookupCase{"ignore_case_section_and_key", "[setup]\nlanguage=Chinese\n", true, "Setup", "LANGUAGE", "",
                   "Chinese"},
        LookupCase{"case_sensitive_misses", "[setup]\nlanguage=Chinese\n", false, "Setup", "Language", "d", "d"},
        LookupCase{"utf8_names", "[中文]\n公司=某公司\n", true, "中文", "公司", "", "某公司"},
        LookupCase{"only_ascii_letters_fold", "[S]\nÉ=1\n", true, "S", "é", "d", "d"},
        LookupCase{"missing_key_default_stripped", "[S]\n", true, "S", "k", "  x y \t", "x y"},
        LookupCase{"missing_section_default_as_is", "[S]\n", true, "T", "k", "  x y \t", "  x y \t"},
        LookupCase{"byte_order_mark_before_section", "\xEF\xBB\xBF[Ports]\nCOM1=/tmp/radio\n", true, "Ports", "COM1",
                   "", "/tmp/radio"},
        LookupCase{"byte_order_mark_before_key",
                   "\xEF\xBB\xBF"
                   "A=1\n",
                   true, "", "A", "d", "1"},
        LookupCase{"unclosed_header_is_a_key", "[Setup\nLanguage=Chinese\n", true, "Setup", "Language", "d", "d"}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

// -------------------------------------------------------- serialization

struct SerializeCase {
  const char* name;
  const char* text;
  const char* expected;
};
void PrintTo(const SerializeCase& c, std::ostream* os) { *os << c.name; }

class ProfileSerialize : public ::testing::TestWithParam<SerializeCase> {};

TEST_P(ProfileSerialize, WritesWhatWasKept) {
  const SerializeCase& c = GetParam();
  CProfileFile profile;
  profile.ParseText(c.text);
  EXPECT_EQ(profile.SerializedText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileSerialize,
    ::testing::Values(
        SerializeCase{"empty", "", ""},
        SerializeCase{"comments_and_blanks_dropped", "; top\n\n[Setup]\n\n// x\nA = 1 \n*B=2\n", "[Setup]\nA=1\n"},
        SerializeCase{"unnamed_section_first", "A=1\n[S]\nB=2\n", "A=1\n[S]\nB=2\n"},
        SerializeCase{"duplicates_and_repeated_headers", "[S]\nk=1\nk=2\n[S]\nk=3\n", "[S]\nk=1\nk=2\n[S]\nk=3\n"},
        SerializeCase{"key_without_value_gets_equals", "[S]\nflag\n", "[S]\nflag=\n"},
        SerializeCase{"comment_inside_value_kept", "[S]\nk=a // b\n", "[S]\nk=a // b\n"},
        SerializeCase{"crlf_becomes_lf", "[S]\r\nk=v\r\n", "[S]\nk=v\n"},
        SerializeCase{"empty_section_header_kept", "[A]\n[B]\nk=v\n", "[A]\n[B]\nk=v\n"},
        // A reload skips one mark before the first line, which must not be the key's.
        SerializeCase{"first_key_begins_with_a_mark", "\t\xEF\xBB\xBFk=v\n", "\xEF\xBB\xBF\xEF\xBB\xBFk=v\n"}),
    [](const ::testing::TestParamInfo<SerializeCase>& info) { return std::string(info.param.name); });

// ------------------------------------------------------------ SetString

struct SetCase {
  const char* name;
  const char* text;
  bool ignoreCase;
  const char* section;
  const char* key;
  const char* value;
  bool modified;
  const char* expected;
};
void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

class ProfileSet : public ::testing::TestWithParam<SetCase> {};

TEST_P(ProfileSet, ChangesAndFlag) {
  const SetCase& c = GetParam();
  TempDir dir;
  dir.Write("p.ini", c.text);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("p.ini"), c.ignoreCase ? ProfileOptions::IgnoreCase : ProfileOptions::None));
  profile.SetString(c.section, c.key, c.value);
  EXPECT_EQ(profile.IsModified(), c.modified);
  EXPECT_EQ(profile.SerializedText(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileSet,
    ::testing::Values(
        SetCase{"new_value", "[Setup]\nLanguage=English\n", true, "Setup", "Language", "Chinese", true,
                "[Setup]\nLanguage=Chinese\n"},
        SetCase{"same_value", "[Setup]\nLanguage=English\n", true, "Setup", "Language", "English", false,
                "[Setup]\nLanguage=English\n"},
        SetCase{"case_only_ignored_but_stored", "[Setup]\nLanguage=English\n", true, "setup", "language", "ENGLISH",
                false, "[Setup]\nLanguage=ENGLISH\n"},
        SetCase{"case_only_counts_when_case_sensitive", "[Setup]\nLanguage=English\n", false, "Setup", "Language",
                "ENGLISH", true, "[Setup]\nLanguage=ENGLISH\n"},
        SetCase{"later_duplicate_changed", "[S]\nk=1\nk=2\n", true, "S", "k", "3", true, "[S]\nk=1\nk=3\n"},
        SetCase{"first_of_repeated_sections_changed", "[S]\na=1\n[S]\nb=2\n", true, "S", "b", "3", true,
                "[S]\na=1\nb=3\n[S]\nb=2\n"},
        SetCase{"new_key_appended", "[S]\na=1\n[T]\n", true, "S", "b", "2", true, "[S]\na=1\nb=2\n[T]\n"},
        SetCase{"new_section_appended", "[S]\na=1\n", true, "Setup", "Language", "Chinese", true,
                "[S]\na=1\n[Setup]\nLanguage=Chinese\n"},
        SetCase{"case_sensitive_adds_section", "[setup]\n", false, "Setup", "k", "v", true, "[setup]\n[Setup]\nk=v\n"},
        SetCase{"into_unnamed_section", "[S]\n", true, "", "k", "v", true, "k=v\n[S]\n"}),
    [](const ::testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST(ProfileFile, NothingLoadedIgnoresSetString) {
  CProfileFile profile;
  profile.SetString("Setup", "Language", "Chinese");
  EXPECT_FALSE(profile.IsModified());
  EXPECT_EQ(profile.SectionCount(), 0);
  EXPECT_EQ(profile.GetString("Setup", "Language", " d "), " d ");
  EXPECT_EQ(profile.SerializedText(), "");
}

TEST(ProfileFile, FindKeyBackwardsFindSectionForwards) {
  CProfileFile profile;
  profile.ParseText("[A]\nk=1\nx=0\nk=2\n[B]\n[A]\nk=3\n");
  EXPECT_EQ(profile.FindSection("A"), 1);
  EXPECT_EQ(profile.FindSection("B"), 2);
  EXPECT_EQ(profile.FindSection(""), 0);
  EXPECT_EQ(profile.FindSection("C"), -1);
  EXPECT_EQ(profile.FindKey(1, "k"), 2);
  EXPECT_EQ(profile.FindKey(1, "x"), 1);
  EXPECT_EQ(profile.FindKey(3, "k"), 0);
  EXPECT_EQ(profile.FindKey(2, "k"), -1);
  EXPECT_EQ(profile.FindKey(4, "k"), -1);
  EXPECT_EQ(profile.FindKey(-1, "k"), -1);
}

// -------------------------------------------------------------- growth

struct GrowthCase {
  int growBy;
  int headers;
  int capacity;
};
void PrintTo(const GrowthCase& c, std::ostream* os) { *os << "step " << c.growBy << ", " << c.headers << " headers"; }

class ProfileGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(ProfileGrowth, TablesGrowByStep) {
  const GrowthCase& c = GetParam();
  std::string text;
  for (int i = 1; i <= c.headers; ++i) text += "[S" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
  CProfileFile profile(c.growBy);
  profile.ParseText(text);
  EXPECT_EQ(profile.SectionCount(), c.headers + 1);
  EXPECT_EQ(profile.TableCapacity(), c.capacity);
  for (int i = 1; i <= c.headers; ++i)
    EXPECT_EQ(profile.GetString("S" + std::to_string(i), "k", ""), std::to_string(i));
  EXPECT_EQ(profile.SerializedText(), text);

  // SetString grows the same way.
  profile.SetString("Extra", "k", "v");
  EXPECT_EQ(profile.SectionCount(), c.headers + 2);
  const int step = c.growBy < 1 ? 1 : c.growBy;
  EXPECT_EQ(profile.TableCapacity(), ((c.headers + 1) / step + 1) * step);
  EXPECT_EQ(profile.GetString("Extra", "k", ""), "v");
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileGrowth,
                         ::testing::Values(GrowthCase{4, 0, 4}, GrowthCase{4, 3, 4}, GrowthCase{4, 4, 8},
                                           GrowthCase{4, 7, 8}, GrowthCase{4, 8, 12}, GrowthCase{4, 40, 44},
                                           GrowthCase{1, 5, 6}, GrowthCase{0, 2, 3}));

// -------------------------------------------------------- files, saving

TEST(ProfileFile, MissingFileIsCreatedEmpty) {
  TempDir dir;
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("Program.ini"), ProfileOptions::IgnoreCase));
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("Program.ini")));
  EXPECT_EQ(dir.Read("Program.ini"), "");
  EXPECT_EQ(profile.Path(), dir.file("Program.ini"));
  EXPECT_EQ(profile.GetString("Setup", "Language", ""), "");
}

// A file larger than any settings file is not read at all (a sparse one of
// gigabytes would fill the memory), and the reason names it.
TEST(ProfileFile, UnopenableFileLoadsNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("folder.ini"));
  dir.Write("big.ini", "[Setup]\nLanguage=Chinese\n");
  std::filesystem::resize_file(dir.file("big.ini"), kMaxProfileSize + 1);
  const std::pair<std::string, int> cases[] = {{dir.file("folder.ini"), EISDIR},
                                               {dir.file("no/such/folder/p.ini"), ENOENT},
                                               {dir.file("big.ini"), kProfileTooLarge}};
  for (const auto& [path, error] : cases) {
    CProfileFile profile;
    EXPECT_FALSE(profile.Load(path, ProfileOptions::SaveOnClose | ProfileOptions::IgnoreCase)) << path;
    EXPECT_EQ(profile.LoadError(), error) << path;
    EXPECT_NE(ProfileLoadFailureText(path, error, Language::English).find("'" + path + "'"), std::string::npos);
    EXPECT_TRUE(profile.Path().empty());
    profile.SetString("Setup", "Language", "Chinese");
    EXPECT_FALSE(profile.IsModified());
    EXPECT_EQ(profile.GetString("Setup", "Language", "x"), "x");
  }
}

TEST(ProfileFile, OpenResolvesInProgramFolder) {
  const std::string name = "profile-open-test-" + std::to_string(::getpid()) + ".ini";
  const std::string expected = ProgramFolder() + name;
  {
    CProfileFile profile;
    ASSERT_TRUE(profile.Open(name, ProfileOptions::IgnoreCase));
    EXPECT_EQ(profile.Path(), expected);
  }
  EXPECT_TRUE(std::filesystem::exists(expected));
  std::filesystem::remove(expected);
}

TEST(ProfileFile, SaveWritesOnlyWhenModifiedAndKeepsFlag) {
  TempDir dir;
  const std::string original = "; remark\n[Setup]\n\nLanguage=English // x\n";
  dir.Write("p.ini", original);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("p.ini"), ProfileOptions::IgnoreCase));

  CProfileFile::SaveResult r = profile.Save(false);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(dir.Read("p.ini"), original) << "an unmodified profile writes nothing";

  profile.SetString("Setup", "Language", "Chinese");
  r = profile.Save(false);
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.backupName.empty());
  EXPECT_EQ(dir.Read("p.ini"), "[Setup]\nLanguage=Chinese\n");

  // The flag stays set, so a later save writes again.
  dir.Write("p.ini", "changed elsewhere\n");
  EXPECT_TRUE(profile.IsModified());
  EXPECT_TRUE(profile.Save(false).ok);
  EXPECT_EQ(dir.Read("p.ini"), "[Setup]\nLanguage=Chinese\n");
  profile.Clear();
  EXPECT_FALSE(profile.IsModified());
}

TEST(ProfileFile, SavedOnDestructionOnlyWhenAsked) {
  for (const bool saveOnClose : {true, false}) {
    TempDir dir;
    dir.Write("p.ini", "[Setup]\nLanguage=English\n");
    {
      CProfileFile profile;
      const ProfileOptions close = saveOnClose ? ProfileOptions::SaveOnClose : ProfileOptions::None;
      ASSERT_TRUE(profile.Load(dir.file("p.ini"), close | ProfileOptions::IgnoreCase));
      profile.SetString("Setup", "Language", "Chinese");
    }
    EXPECT_EQ(dir.Read("p.ini"), saveOnClose ? "[Setup]\nLanguage=Chinese\n" : "[Setup]\nLanguage=English\n");
  }
}

TEST(ProfileFile, LoadingAnotherFileSavesTheFirst) {
  TempDir dir;
  dir.Write("a.ini", "[S]\nk=1\n");
  dir.Write("b.ini", "[T]\nk=2\n");
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("a.ini"), ProfileOptions::IgnoreCase));
  profile.SetString("S", "k", "9");
  ASSERT_TRUE(profile.Load(dir.file("b.ini"), ProfileOptions::IgnoreCase));
  EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=9\n");
  EXPECT_FALSE(profile.IsModified());
  EXPECT_EQ(profile.GetString("T", "k", ""), "2");
  EXPECT_EQ(profile.GetString("S", "k", "none"), "none");
}

// Runs `body` with writes limited to `limit` bytes per file: the write
// itself fails with EFBIG, which folder permissions cannot do for root.
template <typename F>
void WithFileSizeLimit(rlim_t limit, F body) {
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = limit;
  auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  body();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
}

std::set<std::string> FolderNames(const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.insert(e.path().filename().string());
  return names;
}

TEST(ProfileFile, FailedSaveKeepsOldFileAndSaysSo) {
  TempDir dir;
  const std::string original = "[Setup]\nLanguage=English\n";
  dir.Write("p.ini", original);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("p.ini"), ProfileOptions::IgnoreCase));
  profile.SetString("Setup", "Language", std::string(4000, 'x'));
  CProfileFile::SaveResult r;
  WithFileSizeLimit(100, [&] { r = profile.Save(false); });
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.sysError, EFBIG);
  EXPECT_EQ(dir.Read("p.ini"), original);
  EXPECT_EQ(FolderNames(dir), std::set<std::string>{"p.ini"}) << "no temporary file left";
  EXPECT_TRUE(profile.IsModified()) << "the change is still there to save again";
  EXPECT_TRUE(profile.Save(false).ok);
  EXPECT_EQ(dir.Read("p.ini"), "[Setup]\nLanguage=" + std::string(4000, 'x') + "\n");
}

TEST(ProfileFile, FailedSaveOnDestructionKeepsOldFile) {
  TempDir dir;
  const std::string original = "[Setup]\nLanguage=English\n";
  dir.Write("p.ini", original);
  WithFileSizeLimit(100, [&] {
    CProfileFile profile;
    ASSERT_TRUE(profile.Load(dir.file("p.ini"), ProfileOptions::SaveOnClose | ProfileOptions::IgnoreCase));
    profile.SetString("Setup", "Language", std::string(4000, 'x'));
  });
  EXPECT_EQ(dir.Read("p.ini"), original);
  EXPECT_EQ(FolderNames(dir), std::set<std::string>{"p.ini"});
}

TEST(ProfileFile, FailedBackupStopsTheSave) {
  TempDir dir;
  const std::string original = "[Setup]\nLanguage=" + std::string(4000, 'y') + "\n";
  dir.Write("p.ini", original);
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("p.ini"), ProfileOptions::IgnoreCase));
  profile.SetString("Setup", "Language", "Chinese");  // the new text fits the limit, the copy not
  CProfileFile::SaveResult r;
  WithFileSizeLimit(1000, [&] { r = profile.Save(true); });
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.sysError, EFBIG);
  EXPECT_TRUE(r.backupName.empty());
  EXPECT_EQ(dir.Read("p.ini"), original);
  EXPECT_EQ(FolderNames(dir), std::set<std::string>{"p.ini"});
}

// ------------------------------------------------------------- backups

struct BackupCase {
  const char* name;
  std::set<std::string> others;  // files already beside Program.ini
  const char* expected;          // suffix after "Program.ini"
};
void PrintTo(const BackupCase& c, std::ostream* os) { *os << c.name; }

class ProfileBackup : public ::testing::TestWithParam<BackupCase> {};

TEST_P(ProfileBackup, NameAndCopyBeforeSave) {
  const BackupCase& c = GetParam();
  TempDir dir;
  const std::string original = "[Setup]\nLanguage=English\n";
  dir.Write("Program.ini", original);
  for (const std::string& other : c.others) dir.Write(other, "other");
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(dir.file("Program.ini"), ProfileOptions::IgnoreCase | ProfileOptions::Backup));
  profile.SetString("Setup", "Language", "Chinese");

  const CProfileFile::SaveResult r = profile.Save(true);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.backupName, dir.file(std::string("Program.ini") + c.expected));
  EXPECT_EQ(dir.Read(std::string("Program.ini") + c.expected), original);
  EXPECT_EQ(dir.Read("Program.ini"), "[Setup]\nLanguage=Chinese\n");

  // Found once: the next backup replaces the same copy.
  profile.SetString("Setup", "Language", "German");
  const CProfileFile::SaveResult again = profile.Save(true);
  ASSERT_TRUE(again.ok);
  EXPECT_EQ(again.backupName, r.backupName);
  EXPECT_EQ(dir.Read(std::string("Program.ini") + c.expected), "[Setup]\nLanguage=Chinese\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileBackup,
    ::testing::Values(BackupCase{"first", {}, ".001"}, BackupCase{"after_existing", {"Program.ini.001"}, ".002"},
                      BackupCase{"largest_wins", {"Program.ini.009", "Program.ini.123", "Program.ini.045"}, ".124"},
                      BackupCase{"non_digits_count_zero", {"Program.bak", "Program.x7z"}, ".001"},
                      BackupCase{"digits_stop_at_non_digit", {"Program.4x2"}, ".005"},
                      BackupCase{"other_stems_ignored", {"Other.ini.500", "program.ini.300"}, ".001"},
                      BackupCase{"any_name_with_the_stem", {"Programme.txt.042"}, ".043"},
                      BackupCase{"only_last_three_characters", {"Program.ini.12", "Program7"}, ".001"},
                      BackupCase{"past_three_digits", {"Program.ini.999"}, ".1000"}),
    [](const ::testing::TestParamInfo<BackupCase>& info) { return std::string(info.param.name); });

TEST(ProfileFile, BackupNameBelongsToItsFile) {
  TempDir one;
  TempDir two;
  one.Write("a.ini", "[S]\nk=1\n");
  two.Write("b.ini", "[S]\nk=1\n");
  two.Write("b.ini.007", "old");
  CProfileFile profile;
  ASSERT_TRUE(profile.Load(one.file("a.ini"), ProfileOptions::IgnoreCase | ProfileOptions::Backup));
  profile.SetString("S", "k", "2");
  EXPECT_EQ(profile.Save(true).backupName, one.file("a.ini.001"));
  ASSERT_TRUE(profile.Load(two.file("b.ini"), ProfileOptions::IgnoreCase | ProfileOptions::Backup));
  profile.SetString("S", "k", "2");
  EXPECT_EQ(profile.Save(true).backupName, two.file("b.ini.008"));
}

}  // namespace
