#pragma once
// A drop-down list as a screen reader reads it: named by its label, its
// value the entry shown, read as the list's text. A list that takes no
// typing shows its entry selected, as it paints it, and tells each new one
// as text put in its place, so a screen reader says the entry the arrow keys
// pick. Qt's own names such a list by its current entry and offers no text,
// so a screen reader says the label and the role and never the value.
#include <QAccessibleWidget>

class QComboBox;

class CListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CListAccessible(QComboBox* list);

  // The factory QAccessible asks for every object: a QComboBox gets one of these.
  static QAccessibleInterface* Factory(const QString& className, QObject* object);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

  // The value as read-only text, the caret at its start.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override { return static_cast<int>(Value().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QComboBox* List() const;
  QString Value() const;
};
