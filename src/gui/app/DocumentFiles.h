#pragma once
// Saving a document from its channel window: for File Save and Save As, and
// for the question whether to save before the program closes.
#include <QString>

#include "gui/shell/UiHooks.h"

class QMdiArea;
class QWidget;
class CChildFrame;

// The file dialogs' filter ("*.dat (*.dat)") and the extension a name typed
// without one gets (".dat").
QString DataFileDialogFilter();
QString DataFileExtension();
// A file dialog for a data file, captioned with `command`'s name ("Open",
// "Save As", "Open Backup").
FileDialogRequest DataFileRequest(bool saving, const QString& proposed, int command);

// Commits the cell being edited and stores the table into the image, then
// writes the file: to its own name, unless `askName`, or the document never
// had a file, or that file cannot be written. Before replacing the
// document's own file that another program changed since it was opened or
// last saved, asks Overwrite or Cancel. False when nothing was saved (no
// frame, the dialog or that question cancelled, or the write failed, which
// was reported).
bool SaveDocument(QWidget* owner, CChildFrame* frame, bool askName);

// Before the program closes: for each modified document in `client`, shows
// its window (a hidden one too) and asks Yes (save), No or Cancel, over
// `owner`. False on Cancel or a save that did not happen.
bool SaveModifiedDocuments(QWidget* owner, QMdiArea* client);
