#pragma once
// The recently used data files, kept in the settings store for the File
// menu: every file opened or saved goes first. Paths are bytes, as the file
// system has them: a name that is not UTF-8 opens again as it was.
#include <QStringList>
#include <string>
#include <vector>

std::vector<std::string> RecentFilePaths();
// The same, as the menu shows them (a name that is not UTF-8 shown as near
// as text can).
QStringList RecentFiles();
// `path` is made absolute.
void NoteRecentFile(const std::string& path);
void ForgetRecentFile(const std::string& path);
