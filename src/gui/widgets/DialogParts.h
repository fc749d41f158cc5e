#pragma once
// The pieces the program's dialogs are built from: controls that
// carry their template id and take their texts from the language module, and
// the one way a dialog's change reaches its document.
#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class CProgramDoc;
class RadioImage;

// A push button with the template's text for `id` (1 OK, 2 Cancel, ...).
// Enter presses it while it has the focus; otherwise no button is a default
// one unless the caller makes it so.
QPushButton* MakeDialogButton(QDialog* dialog, int dialogId, int id);
// A drop-down list; `editable` gives it a text field as well.
QComboBox* MakeDialogList(QWidget* parent, int id, bool editable);
// The template's static text that labels control `id`.
QLabel* MakeDialogLabel(QWidget* parent, int dialogId, int id, QWidget* buddy);

// Runs `change` on the document's image and marks the document modified
// when any byte differs afterwards.
void ChangeImage(CProgramDoc& doc, const std::function<void(RadioImage&)>& change);
