#pragma once
// What keeps a radio's contents safe from the window: File › Open Backup...
// (the images kept of every complete Read), File › Compare With... (what
// differs between the open document and a data file), and the Setup check
// items Verify After Write and Serial Trace, which the next Read or Write
// takes from the settings store.
class CMainFrame;
class CProgramApp;

// The check items' names in the settings store; off unless stored as 1.
inline constexpr const char* kVerifyAfterWriteSetting = "VerifyAfterWrite";
inline constexpr const char* kSerialTraceSetting = "SerialTrace";
bool UserSwitchOn(const char* setting);

void InstallSafeProgrammingCommands(CMainFrame& frame, CProgramApp& app);
