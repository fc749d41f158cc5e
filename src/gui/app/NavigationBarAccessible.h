#pragma once
// The navigation bar as a screen reader meets it: a panel named by its
// caption whose close button, painted rather than a widget, is a push button
// child of its own that can be pressed.
#include <QAccessibleWidget>

class CNavigationBar;

class CNavigationBarAccessible : public QAccessibleWidget {
 public:
  explicit CNavigationBarAccessible(CNavigationBar* bar);
  ~CNavigationBarAccessible() override;

  static QAccessibleInterface* Factory(const QString& className, QObject* object);

  QString text(QAccessible::Text type) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

 private:
  QAccessibleInterface* CloseButton() const;
  mutable QAccessible::Id m_closeId = 0;
};
