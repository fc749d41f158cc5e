#pragma once
// Each dialog a command opens, shown to a test as a person would see it.
#include <functional>
#include <utility>
#include <vector>

#include "support/ShellFixture.h"

class QWidget;

// The windows that no menu command opens.
constexpr int kPasswordDialog = -1;  // Ctrl+F11's
constexpr int kHelpWindow = -2;      // F1's

// Every window a command opens, by its English title: what tests that walk
// each window take.
const std::vector<std::pair<const char*, int>>& CommandDialogList();

// Opens what `command` opens (in service mode, but for the password dialog)
// and hands each window, shown, to `look`: Read's progress window, Compare's
// over a second file with a channel and an option apart. False when nothing
// was shown.
bool ShowCommandDialogs(ShellFixture& shell, int command, const std::function<void(QWidget&)>& look);
