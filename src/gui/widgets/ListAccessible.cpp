#include "gui/widgets/ListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

CListAccessible::CListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

namespace {
const char kValueTold[] = "listValueTold";

// Each new entry of a list that takes no typing is told to a screen reader,
// once per list however often its accessible object is made anew. (A list
// that takes typing tells it through its text field.)
void TellValueChanges(QComboBox* list) {
  if (list->property(kValueTold).toBool()) return;
  list->setProperty(kValueTold, true);
  QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString& text) {
    if (list->isEditable() || !QAccessible::isActive()) return;
    QAccessibleTextInsertEvent event(list, 0, text);
    QAccessible::updateAccessibility(&event);
  });
}
}  // namespace

QAccessibleInterface* CListAccessible::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("QComboBox"))
    if (auto* list = qobject_cast<QComboBox*>(object)) {
      TellValueChanges(list);
      return new CListAccessible(list);
    }
  return nullptr;
}

QComboBox* CListAccessible::List() const { return static_cast<QComboBox*>(widget()); }

QString CListAccessible::Value() const { return List()->currentText(); }

void* CListAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CListAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) return Value();
  return QAccessibleWidget::text(type);
}

QAccessible::State CListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.expandable = true;
  state.expanded = List()->view()->isVisible();
  state.editable = List()->isEditable();
  return state;
}

QStringList CListAccessible::actionNames() const {
  return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void CListAccessible::doAction(const QString& actionName) {
  if (actionName == showMenuAction())
    List()->showPopup();
  else
    QAccessibleWidget::doAction(actionName);
}

QString CListAccessible::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return QString();
  return Value().mid(startOffset, endOffset - startOffset);
}

QString CListAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = characterCount();
  return QString();
}

void CListAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = selectionIndex < selectionCount() ? characterCount() : 0;
}

int CListAccessible::selectionCount() const { return List()->isEditable() || Value().isEmpty() ? 0 : 1; }
