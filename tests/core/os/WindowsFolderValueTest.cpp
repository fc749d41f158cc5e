#include <gtest/gtest.h>

#include "core/os/WindowsFolderValue.h"

namespace {

// Only an absolute folder may hold private files; anything else is none.
TEST(FolderFromWindowsValue, AbsoluteFoldersWithSlashesElseNone) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Users\\li\\AppData\\Roaming", "C:/Users/li/AppData/Roaming/"},
      {"d:\\Profiles\\李\\", "d:/Profiles/李/"},
      {"C:/Users/li", "C:/Users/li/"},
      {"C:\\", "C:/"},
      {"\\\\server\\home\\li", "//server/home/li/"},
      {"", ""},
      {"AppData", ""},
      {"C:AppData", ""},    // the drive's current folder
      {"\\Users\\li", ""},  // the current drive
      {"1:\\x", ""},
      {"\\\\?\\C:\\Users\\li", ""},
      {"\\\\.\\COM1", ""},
      {"\\\\\\x", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderFromWindowsValue(c.first), c.second) << c.first;
}

}  // namespace
