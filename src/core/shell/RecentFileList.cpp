#include "core/shell/RecentFileList.h"

#include <algorithm>

namespace {
constexpr std::size_t kMaxShownPath = 60;

// Keeps the first folder and the file name, and as many folders before the
// name as fit.
std::string ShortenedPath(const std::string& path) {
  if (path.size() <= kMaxShownPath) return path;
  const std::size_t firstEnd = path.find('/', 1);
  const std::size_t nameStart = path.rfind('/');
  if (firstEnd == std::string::npos || nameStart == std::string::npos || nameStart <= firstEnd) return path;
  const std::string head = path.substr(0, firstEnd + 1) + "...";
  std::size_t tailStart = nameStart;
  while (tailStart > firstEnd) {
    const std::size_t before = path.rfind('/', tailStart - 1);
    if (before <= firstEnd || head.size() + path.size() - before > kMaxShownPath) break;
    tailStart = before;
  }
  return head + path.substr(tailStart);
}
}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
  list = WithoutRecentFile(std::move(list), path);
  list.insert(list.begin(), path);
  if (list.size() > kRecentFileCount) list.resize(kRecentFileCount);
  return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
  list.erase(std::remove(list.begin(), list.end(), path), list.end());
  return list;
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : ShortenedPath(path)) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}
