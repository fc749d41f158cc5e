#pragma once
// After a language change the program starts itself again. The new process
// is started only once the old main window has really closed, so a refused
// close never leaves two windows behind.
class QWidget;

// True when the window closed and the new process started.
bool RestartAfterLanguageChange(QWidget* mainWindow);
