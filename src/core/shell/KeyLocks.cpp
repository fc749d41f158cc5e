#include "core/shell/KeyLocks.h"

#include <filesystem>
#include <fstream>
#include <system_error>

bool KeyLockOn(KeyLock lock, const std::string& ledFolder) {
  const char* suffix = lock == KeyLock::Caps ? "::capslock" : lock == KeyLock::Num ? "::numlock" : "::scrolllock";
  const std::string wanted = suffix;
  std::error_code error;
  std::filesystem::directory_iterator it(ledFolder, error);
  if (error) return false;
  for (const auto& entry : it) {
    const std::string name = entry.path().filename().string();
    if (name.size() < wanted.size() || name.compare(name.size() - wanted.size(), wanted.size(), wanted) != 0) continue;
    std::ifstream brightness(entry.path() / "brightness");
    int value = 0;
    if (brightness >> value && value > 0) return true;
  }
  return false;
}
