#pragma once
// The places where the program waits for a person: message boxes, modal
// dialogs, and starting a second process. Tests replace them to answer for
// the person and to see what was asked.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

struct MessageRequest {
  QWidget* parent = nullptr;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
using ModalHook = std::function<int(QDialog&)>;
using StartProgramHook = std::function<bool(const QString& program)>;
// The file chosen in an Open (saving false) or Save As dialog; empty: cancelled.
using FileNameHook = std::function<QString(bool saving, const QString& proposed, const QString& filter)>;

// Which of several filters a file dialog's person picked (index from 0).
using FileFilterHook = std::function<int(const QStringList& filters)>;

// An empty hook restores the real behaviour.
void SetMessageBoxHook(MessageBoxHook hook);
void SetModalHook(ModalHook hook);
void SetStartProgramHook(StartProgramHook hook);
void SetFileNameHook(FileNameHook hook);
void SetFileFilterHook(FileFilterHook hook);

// The caption of every message box: the application's display name.
void SetMessageBoxCaption(const QString& caption);
QString MessageBoxCaption();

// An empty caption is the program's caption (SetMessageBoxCaption).
QMessageBox::StandardButton ProgramMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                              QMessageBox::Icon icon = QMessageBox::NoIcon,
                                              const QString& caption = QString());

// Runs a dialog modally and returns its result (QDialog::Accepted/Rejected).
int RunModal(QDialog& dialog);

// Asks for a data file name; `filter` is a file dialog filter. An empty
// caption is the dialog's own ("Open", "Save As").
QString AskFileName(QWidget* parent, bool saving, const QString& proposed, const QString& filter,
                    const QString& caption = QString());
// The same with a choice of `filters`, the first one shown; `chosen`, when
// given, receives the index of the filter picked.
QString AskFileName(QWidget* parent, bool saving, const QString& proposed, const QStringList& filters,
                    int* chosen = nullptr);

// Starts a program detached from this process; false when it could not start.
bool StartProgram(const QString& program);
