#pragma once
// An accessible object for a part of a widget that is no widget of its own
// (a cell of the grid, a button the widget paints): a leaf whose parent is
// the widget's own accessible object, in the widget's window. It keeps no
// copy of what it shows; the widget is asked each time.
#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

template <class Owner>
class CPartAccessible : public QAccessibleInterface {
 public:
  explicit CPartAccessible(Owner* owner) : m_owner(owner) {}

  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return m_owner == nullptr ? nullptr : m_owner->window()->windowHandle(); }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_owner.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

 protected:
  QPointer<Owner> m_owner;
};
