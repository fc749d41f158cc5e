#pragma once
// The places where the program waits for a person: message boxes, modal
// dialogs, and starting a second process. Tests replace them to answer for
// the person and to see what was asked.
#include <QMessageBox>
#include <QString>

#include "gui/shell/UiRequests.h"

class QDialog;
class QWidget;

// An empty hook restores the real behaviour. The hooks live in the
// application context (AppContext.h).
void SetMessageBoxHook(MessageBoxHook hook);
void SetModalHook(ModalHook hook);
void SetStartProgramHook(StartProgramHook hook);
void SetFileNameHook(FileNameHook hook);

// The caption of every message box: the application's display name.
void SetMessageBoxCaption(const QString& caption);
QString MessageBoxCaption();

// An empty caption is the program's caption (SetMessageBoxCaption).
QMessageBox::StandardButton ProgramMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                              QMessageBox::Icon icon = QMessageBox::NoIcon,
                                              const QString& caption = QString(),
                                              QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Runs a dialog modally and returns its result (QDialog::Accepted/Rejected).
int RunModal(QDialog& dialog);

// Asks for a file name; empty: cancelled. The name typed gets the request's
// extension when it has none (for Open, unless a file of the name as typed
// exists). Saving over an existing file asks first, for the name that will
// really be written; No brings the dialog back. `chosen`, when given,
// receives the index of the filter picked.
QString AskFileName(QWidget* parent, const FileDialogRequest& request, int* chosen = nullptr);

// Starts a program detached from this process; false when it could not start.
bool StartProgram(const QString& program);
