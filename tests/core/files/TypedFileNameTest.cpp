// The file a name typed into a file dialog stands for.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/TypedFileName.h"
#include "support/TempDir.h"

namespace {

TEST(TypedFileName, DefaultExtensionOnlyWhenNoneWasTyped) {
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {
      {"foo", "foo.dat"},
      {"/tmp/foo", "/tmp/foo.dat"},
      {"foo.dat", "foo.dat"},
      {"foo.DAT", "foo.DAT"},
      {"foo.csv", "foo.csv"},
      {"foo.", "foo.dat"},
      {".hidden", ".hidden.dat"},
      {"a.b/foo", "a.b/foo.dat"},
      {"/tmp/a.b/c.d", "/tmp/a.b/c.d"},
      {"", ""},
      {"/tmp/", "/tmp/"},
      {"my radio", "my radio.dat"},
      {"/tmp/..", "/tmp/.."},
  };
  for (const auto& c : cases) EXPECT_EQ(WithDefaultExtension(c.typed, ".dat"), c.saved) << c.typed;
}

TEST(TypedFileName, ReplacingIsAskedForAnythingButAFolder) {
  TempDir dir;
  dir.Write("radio.dat", "x");
  std::filesystem::create_directory(dir.file("folder.dat"));
  std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling.dat"));
  const std::pair<const char*, bool> cases[] = {
      {"radio.dat", true}, {"dangling.dat", true}, {"missing.dat", false}, {"folder.dat", false}};
  for (const auto& [name, asks] : cases) EXPECT_EQ(SaveReplacesFile(dir.file(name)), asks) << name;
}

}  // namespace
