#pragma once
// The commands of the channel window, the dialogs and the printout on the
// main window's menus, buttons, accelerators and navigation tree: each runs
// on the active channel window. The features know nothing of the frame;
// this is where the frame meets them.
#include <optional>

#include "core/print/PrintoutPage.h"

class CMainFrame;
class CPrintCommands;

// Undo and redo, the clipboard, the channel rows and the CSV channel lists,
// on the channel window shown (not one closed to hide it).
void InstallChannelCommands(CMainFrame& frame);

// The Edit menu's Product Information and Optional Features and, in service
// mode, Power Adjustment and Parameter Adjustment: each opens its dialog on
// the active channel window's document. The long-lived dialogs become
// children of the frame at their first use and live as long as it.
void InstallSettingsCommands(CMainFrame& frame);

// What the active channel window prints; nothing when no channel window
// exists.
std::optional<PrintoutSource> ActivePrintoutSource(const CMainFrame& frame);

// Print Setup always; Print and Print Preview of ActivePrintoutSource while a
// channel window exists.
void InstallPrintCommands(CMainFrame& frame, CPrintCommands& commands);
