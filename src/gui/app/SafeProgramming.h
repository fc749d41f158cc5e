#pragma once
// What keeps a radio's contents safe from the window: File › Open Backup...
// (the images kept of every complete Read), File › Compare With... (what
// differs between the open document and a data file), and the Setup check
// items Verify After Write and Serial Trace, which the next Read or Write
// takes from the settings store (UserSettings.h).
#include <QString>
#include <functional>

class CMainFrame;

// `openDataFile` asks for a data file in an Open dialog at `proposed` (a
// folder or a file in it), captioned with `command`'s name, and opens it.
void InstallSafeProgrammingCommands(CMainFrame& frame,
                                    std::function<void(const QString& proposed, int command)> openDataFile);
