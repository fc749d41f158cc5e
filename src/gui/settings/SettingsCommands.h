#pragma once
// The Edit menu's Product Information and Optional Features and, in service
// mode, Power Adjustment and Parameter Adjustment: each opens its dialog on
// the active channel window's document. The menu items and the navigation
// tree's items run the same commands.
class CMainFrame;

// The long-lived dialogs become children of the frame at their first use and
// live as long as it.
void InstallSettingsCommands(CMainFrame& frame);
