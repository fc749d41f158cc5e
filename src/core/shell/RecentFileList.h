#pragma once
// The File menu's list of recently used data files: the newest first, each
// file once, at most four.
#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t kRecentFileCount = 4;

// `path` put first (moved there when listed already), the oldest dropped.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// The menu text of entry `index` (from 0): "&1 /path/name.dat", a '&' of the
// path doubled so it shows, a long path shortened in its middle folders
// ("/home/.../plans/name.dat") so the menu stays narrow.
std::string RecentFileMenuText(std::size_t index, const std::string& path);
