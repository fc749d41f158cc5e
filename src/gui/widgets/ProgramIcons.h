#pragma once
// The program's own pictures: its icon (128), the tree's images, the tool bar
// buttons, the navigation bar's close glyph (131) and the fallback
// background (137). All are drawn here or carried in the program's resources.
#include <QIcon>
#include <QPixmap>

QIcon BuiltInProgramIcon();
QPixmap BuiltInBackground();
QIcon CloseGlyph();
QIcon TreeRootImage();
QIcon TreeItemImage();
QIcon ToolBarIcon(int command);  // null for a command without a button

// An icon file from disk; null when it is missing or unreadable.
QIcon IconFromFile(const QString& path);
