#include "core/os/FolderEntries.h"

#include "core/os/windows/WinText.h"

std::vector<std::string> FolderEntryNames(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found{};
  const HANDLE h = ::FindFirstFileW(Wide(folder + "/*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = Utf8(found.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileW(h, &found));
  ::FindClose(h);
  return names;
}
