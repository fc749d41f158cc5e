// Every message programcli gives in the language --lang names comes from the
// catalogue: with pseudo texts on, a catalogue text reads "[!English!]", so a
// word of a message outside such brackets was written somewhere else. Data
// is excepted (numbers, file names, option names and values as typed), and
// so are the usage lines and --help, which are English by design, as the
// manual page that repeats them.
#include <gtest/gtest.h>

#include <cerrno>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Verb.h"
#include "core/files/DataFile.h"
#include "core/files/NewDocumentImage.h"
#include "core/lang/PseudoTexts.h"
#include "core/os/OsError.h"
#include "support/TempDir.h"

namespace {

// What is left of `text` once the catalogue's texts and the data are taken
// out; empty when every word came from the catalogue.
std::string Unwrapped(std::string text) {
  static const std::regex innermost(R"(\[!((?!\[!)[\s\S])*?!\])");
  for (std::string before; before != text;) {
    before = text;
    text = std::regex_replace(text, innermost, "");
  }
  // What the system says of a failed call (its own words), the option names
  // of `set` and `show`, quoted values, paths, addresses, port names, and the
  // pointer to --help that ends a usage error (English by design).
  for (const int code : {ENOENT, ENOTDIR}) {
    const std::string said = SystemErrorText(code);
    for (std::size_t at; (at = text.find(said)) != std::string::npos;) text.erase(at, said.size());
  }
  static const std::regex data(
      R"(^[a-z0-9-]+=|programcli \w[\w-]*|'[^']*'|"[^"]*"|“[^”]*”|/\S+|\b0x[0-9A-F]+\b|\bCOM\d+\b|\(try programcli [\w-]+ --help\))");
  text = std::regex_replace(text, data, "");

  for (char c : text)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80) return text;
  return {};
}

}  // namespace

TEST(CliPseudoTexts, MessagesInTheLanguageComeFromTheCatalogue) {
  TempDir dir;
  dir.Write("plain.dat", DataFileBytes(BuiltInDefaults()));
  dir.Write("short.dat", "abc");
  dir.Write("bad.csv", "Name,Tone\nx,y\n");
  const std::string plain = dir.file("plain.dat");
  struct Case {
    int (*run)(const Args&);
    Args args;
  };
  const Case cases[] = {
      {RunShow, {plain, "--lang", "Chinese"}},
      {RunShow, {dir.file("short.dat"), "--lang", "Chinese"}},
      {RunShow, {dir.file("missing.dat"), "--lang", "Chinese"}},
      {RunDiff, {plain, dir.file("short.dat"), "--lang", "Chinese"}},
      {RunImportCsv, {plain, dir.file("bad.csv"), "-o", dir.file("new.dat"), "--lang", "Chinese"}},
      {RunImportCsv, {plain, dir.file("missing.csv"), "-o", dir.file("new.dat"), "--lang", "Chinese"}},
      {RunImportCsv, {plain, dir.file("short.dat"), "-o", dir.file("no/such/new.dat"), "--lang", "Chinese"}},
      {RunPorts, {"--lang", "Chinese"}},
  };
  SetPseudoTexts(true);
  for (const Case& c : cases) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    c.run(c.args);
    const std::string out = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    std::string line;
    for (std::istringstream lines(out); std::getline(lines, line);)
      EXPECT_EQ(Unwrapped(line), "") << c.args.front() << ": " << line;
  }
  SetPseudoTexts(false);
}
