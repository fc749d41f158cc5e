#include "core/os/WindowsFolderValue.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string FolderFromWindowsValue(const std::string& value) {
  std::string folder = value;
  for (char& c : folder)
    if (c == '\\') c = '/';
  const bool drive = folder.size() >= 3 && IsDriveLetter(folder[0]) && folder[1] == ':' && folder[2] == '/';
  // A server's name follows the two slashes; '?' and '.' there are the
  // system's device names, no folders.
  const bool share =
      folder.size() >= 3 && folder.compare(0, 2, "//") == 0 && folder[2] != '/' && folder[2] != '?' && folder[2] != '.';
  if (!drive && !share) return {};
  if (folder.back() != '/') folder += '/';
  return folder;
}
