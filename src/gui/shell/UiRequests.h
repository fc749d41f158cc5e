#pragma once
// What the program asks of a person, and the hooks through which a test
// answers in the person's place (UiHooks.h sets them).
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

class QDialog;
class QWidget;

struct MessageRequest {
  QWidget* parent = nullptr;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;  // none: the box's own choice
};

using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;
using ModalHook = std::function<int(QDialog&)>;
using StartProgramHook = std::function<bool(const QString& program)>;

// What a file dialog asks for.
struct FileDialogRequest {
  bool saving = false;  // Save As or Export; else Open or Import
  QString caption;      // the command's name: "Save As", "Export Channels"
  QString proposed;     // the folder or file the dialog opens on
  QStringList filters;  // file dialog filters, the first one shown
  QString extension;    // ".dat": what a name typed without an extension gets
};
// The name typed or picked in a file dialog, as given; empty: cancelled.
// `filter` (never null) receives the index of the filter picked.
using FileNameHook = std::function<QString(const FileDialogRequest& request, int* filter)>;

// Where a help request goes instead of the help window: the arguments of
// every request, as a test sees them.
using HtmlHelpSink =
    std::function<QWidget*(QWidget* owner, const std::string& file, unsigned command, std::uint32_t data)>;
