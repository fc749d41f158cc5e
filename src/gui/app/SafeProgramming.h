#pragma once
// What keeps a radio's contents safe from the window: File › Open Backup...
// (the images kept of every complete Read), File › Compare With... (what
// differs between the open document and a data file), and the Setup check
// items Verify After Write and Serial Trace, which the next Read or Write
// takes from the settings store (UserSettings.h).
class CMainFrame;
class CProgramApp;

void InstallSafeProgrammingCommands(CMainFrame& frame, CProgramApp& app);
