#include "gui/widgets/TextFieldAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

CTextFieldAccessible::CTextFieldAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QAccessibleInterface* CTextFieldAccessible::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("QLineEdit"))
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return new CTextFieldAccessible(edit);
  return nullptr;
}

QLineEdit* CTextFieldAccessible::Edit() const { return static_cast<QLineEdit*>(widget()); }

QString CTextFieldAccessible::Shown() const {
  return Edit()->echoMode() == QLineEdit::Normal ? Edit()->text() : Edit()->displayText();
}

void* CTextFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CTextFieldAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Value) return Shown();
  return QAccessibleWidget::text(type);
}

void CTextFieldAccessible::setText(QAccessible::Text type, const QString& text) {
  if (type == QAccessible::Value && !Edit()->isReadOnly())
    Edit()->setText(text);
  else
    QAccessibleWidget::setText(type, text);
}

QAccessible::State CTextFieldAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = !Edit()->isReadOnly();
  state.readOnly = Edit()->isReadOnly();
  state.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
  state.selectableText = true;
  return state;
}

void CTextFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
  *startOffset = Edit()->selectionStart();
  *endOffset = Edit()->selectionEnd();
}

int CTextFieldAccessible::selectionCount() const { return Edit()->hasSelectedText() ? 1 : 0; }

void CTextFieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void CTextFieldAccessible::removeSelection(int) { Edit()->deselect(); }

void CTextFieldAccessible::setSelection(int, int startOffset, int endOffset) {
  Edit()->setSelection(startOffset, endOffset - startOffset);
}

int CTextFieldAccessible::cursorPosition() const { return Edit()->cursorPosition(); }

void CTextFieldAccessible::setCursorPosition(int position) { Edit()->setCursorPosition(position); }

QString CTextFieldAccessible::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return QString();
  return Shown().mid(startOffset, endOffset - startOffset);
}

int CTextFieldAccessible::characterCount() const { return static_cast<int>(Shown().size()); }

QRect CTextFieldAccessible::characterRect(int offset) const {
  // From the start of the text area; a text scrolled sideways is not
  // followed, which only a magnifier would notice.
  const QString shown = Shown();
  if (offset < 0 || offset >= shown.size()) return QRect();
  const QFontMetrics metrics(Edit()->font());
  const QRect area = Edit()->contentsRect().marginsRemoved(Edit()->textMargins());
  const int left = area.left() + metrics.horizontalAdvance(shown.left(offset));
  const QRect glyph(left, area.center().y() - metrics.height() / 2, metrics.horizontalAdvance(shown.at(offset)),
                    metrics.height());
  return QRect(Edit()->mapToGlobal(glyph.topLeft()), glyph.size());
}

int CTextFieldAccessible::offsetAtPoint(const QPoint& point) const {
  return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void CTextFieldAccessible::scrollToSubstring(int startIndex, int) { Edit()->setCursorPosition(startIndex); }

QString CTextFieldAccessible::attributes(int, int* startOffset, int* endOffset) const {
  // One run without attributes over the whole text.
  *startOffset = 0;
  *endOffset = characterCount();
  return QString();
}
