// What an installed system relies on: --version, programcli without Qt and
// its print program beside it, manual pages that cover every verb, option
// and exit status, and "Program.ini" read from the user's copy when the
// program folder is read-only.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/ExitStatus.h"
#include "cli/RunProgram.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/files/ProgramVersion.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::string Cli() { return BuiltProgram("programcli"); }

TEST(InstalledTools, VersionOfEachProgram) {
  std::vector<std::string> programs = {"programcli", "radiosim"};
#ifdef PROGRAM_WINDOW_BUILT
  programs.push_back("Program");
#endif
  EXPECT_TRUE(std::regex_match(ProgramVersion(), std::regex(R"(\d+\.\d+\.\d+)"))) << ProgramVersion();
  for (const std::string& name : programs) {
    const ProgramRun run = RunProgram(BuiltProgram(name), {"--version"});
    EXPECT_EQ(run.status, 0) << name;
    EXPECT_EQ(run.out, name + " " + ProgramVersion() + "\n");
    for (const char* option : {"--version", "--help"}) {
      const ProgramRun full = RunProgram(BuiltProgram(name), {option}, "/dev/full");
      EXPECT_NE(full.status, 0) << name << " " << option << ": an output that could not be written";
      EXPECT_EQ(full.err.rfind(name + ": cannot write the output: ", 0), 0u) << full.err;
    }
    // Past a file-size limit a write fails like any other: no signal ends the program.
    TempDir dir;
    dir.Write("full", std::string(512, 'x'));
    const ProgramRun limited = RunProgram(
        "/bin/sh", {"-c", "ulimit -f 1 && exec \"$0\" --version >>\"$1\"", BuiltProgram(name), dir.file("full")});
    EXPECT_EQ(limited.err, name + ": cannot write the output: File too large\n") << limited.status;
  }
}

// Loading Qt made every verb start about 15 ms slower; only the print
// program may link it.
TEST(InstalledTools, ProgramcliLinksNoQt) {
  const ProgramRun run = RunProgram("/usr/bin/readelf", {"-d", Cli()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("libstdc++"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Qt"), std::string::npos) << run.out;
}

#ifdef PROGRAM_WINDOW_BUILT
TEST(InstalledTools, PrintWithoutItsProgramSaysSo) {
  TempDir dir;
  fs::copy_file(Cli(), dir.file("programcli"));
  dir.Write("radio.dat", DataFileBytes(BuiltInDefaults()));
  const ProgramRun run = RunProgram(dir.file("programcli"), {"print", dir.file("radio.dat"), "-o", dir.file("r.pdf")});
  EXPECT_EQ(run.status, kExitFailure);
  EXPECT_EQ(run.err,
            "programcli print: cannot run '" + dir.file("programcli-print") + "': No such file or directory\n");
  EXPECT_FALSE(fs::exists(dir.file("r.pdf")));
}
#endif

// ---------------------------------------------------------------- manual pages

// The page as plain text: no font changes, "\-" as "-".
std::string ManualPage(const std::string& name) {
  std::ifstream in(std::string(PROGRAM_SOURCE_DIR) + "/doc/" + name + ".1");
  std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  page = std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
  return std::regex_replace(page, std::regex(R"(\\-)"), "-");
}

// From the line ".SS name" or ".SH name" to the next heading.
std::string Section(const std::string& page, const std::string& heading) {
  const std::size_t at = page.find("\n" + heading + "\n");
  if (at == std::string::npos) return "";
  const std::size_t end = page.find(heading.substr(0, 3) == ".SS" ? "\n.S" : "\n.SH", at + 1);
  return page.substr(at, end - at);
}

std::vector<std::string> Matches(const std::string& text, const std::string& pattern) {
  std::vector<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.push_back((*it)[1]);
  return found;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t begin = text.find(from);
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find(to, begin) - begin);
}

// Each verb of programcli --help, each long option of its own --help and each
// exit status; the option names that show prints, in the section of set.
TEST(ManualPages, ProgramcliCoversEveryVerbOptionAndStatus) {
  const std::string page = ManualPage("programcli");
  const ProgramRun help = RunProgram(Cli(), {"--help"});
  const std::vector<std::string> verbs = Matches(Between(help.out, "verbs:", "exit status:"), R"(\n  ([a-z-]+) )");
  ASSERT_GE(verbs.size(), 7u) << help.out;
  for (const std::string& verb : verbs) {
    const std::string section = Section(page, ".SS " + verb);
    ASSERT_FALSE(section.empty()) << "no section for " << verb;
    const ProgramRun verbHelp = RunProgram(Cli(), {verb, "--help"});
    for (const std::string& option : Matches(Between(verbHelp.out, "options:", "exit status:"), R"((--[a-z-]+))"))
      if (option != "--help") EXPECT_NE(section.find(option), std::string::npos) << verb << " " << option;
  }
  const std::string statusSection = Section(page, ".SH EXIT STATUS");
  const std::vector<std::string> statuses = Matches(Between(help.out, "exit status:", "\n\n"), R"(\n +(\d+)  )");
  ASSERT_GE(statuses.size(), 10u) << help.out;
  for (const std::string& status : statuses)
    EXPECT_NE(statusSection.find(".B " + status + "\n"), std::string::npos) << "exit status " << status;

  TempDir dir;
  dir.Write("radio.dat", DataFileBytes(BuiltInDefaults()));
  const ProgramRun show = RunProgram(Cli(), {"show", dir.file("radio.dat")});
  const std::vector<std::string> names = Matches(show.out, R"(\n([a-z0-9-]+)=)");
  ASSERT_FALSE(names.empty()) << show.out;
  const std::string set = Section(page, ".SS set");
  for (const std::string& name : names) EXPECT_NE(set.find(name + "="), std::string::npos) << name;
}

// Each folder a program keeps files in is named by the variable that moves it.
TEST(ManualPages, EachPageNamesTheFoldersItsProgramUses) {
  const std::pair<const char*, std::vector<const char*>> pages[] = {
      {"Program", {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "PROGRAM_PORT_COM"}},
      {"programcli", {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "PROGRAM_PORT_COM"}},
  };
  for (const auto& [name, variables] : pages) {
    const std::string environment = Section(ManualPage(name), ".SH ENVIRONMENT");
    for (const char* variable : variables)
      EXPECT_NE(environment.find(variable), std::string::npos) << name << " " << variable;
  }
}

TEST(ManualPages, RadiosimCoversEveryOptionAndFault) {
  const std::string page = ManualPage("radiosim");
  const ProgramRun help = RunProgram(BuiltProgram("radiosim"), {"--help"});
  const std::vector<std::string> options = Matches(help.out, R"(\n  (--[a-z-]+))");
  const std::vector<std::string> faults = Matches(help.out, R"(\n      ([a-z-]+))");
  ASSERT_GE(options.size(), 8u) << help.out;
  ASSERT_GE(faults.size(), 8u) << help.out;
  for (const std::string& option : options)
    EXPECT_NE(Section(page, ".SH OPTIONS").find(option), std::string::npos) << option;
  const std::string section = Section(page, ".SH FAULTS");
  for (const std::string& fault : faults)
    EXPECT_TRUE(std::regex_search(section, std::regex("\n\\.B[IR]? " + fault + "\\b"))) << fault;
}

// ---------------------------------------------------------------- read-only folder

// programcli reads the same "Program.ini" as the window: the user's copy when
// the program folder is read-only, the folder's own file when it is not.
TEST(InstalledTools, ProgramcliReadsTheProfileTheWindowReads) {
  for (const bool readOnly : {true, false}) {
    TempDir program;
    TempDir config;
    fs::copy_file(Cli(), program.file("programcli"));
    program.Write("Program.ini", "[Setup]\nAppName=Quill\n[Ports]\nCOM1=/dev/shipped-port\n");
    fs::create_directory(config.file("Quill"));
    config.Write("Quill/Program.ini", "[Setup]\nAppName=Quill\n[Ports]\nCOM1=/dev/own-port\n");
    if (readOnly)
      fs::permissions(program.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const ProgramRun run = RunProgram(program.file("programcli"), {"ports"});
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(readOnly ? "/dev/own-port" : "/dev/shipped-port"), std::string::npos) << run.out;
  }
}

}  // namespace
