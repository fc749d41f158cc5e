#pragma once
// A one-line edit control as a screen reader reads it. Qt's own answers a
// text attribute run as empty wherever it is asked, and a screen reader that
// builds the line from those runs drops characters: here one run covers the
// whole text, so a frequency is read with every digit. A password field
// shows its bullets, never what was typed.
#include <QAccessibleWidget>

class QLineEdit;

class CTextFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CTextFieldAccessible(QLineEdit* edit);

  // The factory QAccessible asks for every object: a QLineEdit gets one of these.
  static QAccessibleInterface* Factory(const QString& className, QObject* object);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text type, const QString& text) override;
  QAccessible::State state() const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  QLineEdit* Edit() const;
  QString Shown() const;
};
