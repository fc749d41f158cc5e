#include "gui/widgets/DialogParts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"

QPushButton* MakeDialogButton(QDialog* dialog, int dialogId, int id) {
  auto* button = new QPushButton(ResourceText(DialogControlKey(dialogId, id)), dialog);
  SetControlId(button, id);
  // Enter on a focused button presses that button, never the default one:
  // Tab to Cancel and Enter must not confirm the dialog.
  button->setAutoDefault(true);
  return button;
}

QComboBox* MakeDialogList(QWidget* parent, int id, bool editable) {
  auto* list = new QComboBox(parent);
  SetControlId(list, id);
  list->setEditable(editable);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setMaxVisibleItems(12);
  return list;
}

QLabel* MakeDialogLabel(QWidget* parent, int dialogId, int id, QWidget* buddy) {
  auto* label = new QLabel(ResourceText(DialogLabelKey(dialogId, id)), parent);
  label->setBuddy(buddy);
  // A list is read by its label, its value after it; the text field of an
  // editable one, which a screen reader may land in, too.
  if (buddy != nullptr) {
    buddy->setAccessibleName(label->text().remove(QLatin1Char('&')));
    if (auto* list = qobject_cast<QComboBox*>(buddy); list != nullptr && list->lineEdit() != nullptr)
      list->lineEdit()->setAccessibleName(buddy->accessibleName());
  }
  return label;
}

void ChangeImage(CProgramDoc& doc, const std::function<void(RadioImage&)>& change) {
  const RadioImage before = doc.image;
  change(doc.image);
  if (doc.image.bytes != before.bytes) doc.SetModifiedFlag();
}
