#pragma once
// The recently used data files, kept in the settings store for the File
// menu: every file opened or saved goes first.
#include <QString>
#include <QStringList>

QStringList RecentFiles();
// `path` is made absolute.
void NoteRecentFile(const QString& path);
void ForgetRecentFile(const QString& path);
