#include "gui/app/NavigationBarAccessible.h"

#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/app/NavigationBar.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/PartAccessible.h"

namespace {

class CNavCloseAccessible : public CPartAccessible<CNavigationBar>, public QAccessibleActionInterface {
 public:
  explicit CNavCloseAccessible(CNavigationBar* bar) : CPartAccessible(bar) {}

  bool isValid() const override { return m_owner != nullptr; }

  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name) return CNavigationBar::CloseTip();
    // What View › Control Bar says of the same command.
    if (type == QAccessible::Description)
      return FromStd(PromptStatusText(ToStd(ResourceText(StringKey(Cmd::kControlBar)))));
    return QString();
  }
  QRect rect() const override {
    if (m_owner == nullptr) return QRect();
    const QRect button = m_owner->CloseButtonRect();
    return button.isNull() ? QRect() : QRect(m_owner->mapToGlobal(button.topLeft()), button.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invalid = m_owner == nullptr;
    state.invisible = m_owner == nullptr || !m_owner->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction() && m_owner != nullptr) m_owner->PressClose();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

}  // namespace

CNavigationBarAccessible::CNavigationBarAccessible(CNavigationBar* bar) : QAccessibleWidget(bar, QAccessible::Pane) {}

CNavigationBarAccessible::~CNavigationBarAccessible() {
  if (m_closeId != 0) QAccessible::deleteAccessibleInterface(m_closeId);
}

QAccessibleInterface* CNavigationBarAccessible::Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CNavigationBar"))
    if (auto* bar = qobject_cast<CNavigationBar*>(object)) return new CNavigationBarAccessible(bar);
  return nullptr;
}

QString CNavigationBarAccessible::text(QAccessible::Text type) const {
  // The caption the bar paints, the company's name.
  if (type == QAccessible::Name) return static_cast<CNavigationBar*>(widget())->m_strCaption;
  return QAccessibleWidget::text(type);
}

QAccessibleInterface* CNavigationBarAccessible::CloseButton() const {
  if (m_closeId != 0)
    if (QAccessibleInterface* button = QAccessible::accessibleInterface(m_closeId)) return button;
  auto* button = new CNavCloseAccessible(static_cast<CNavigationBar*>(widget()));
  m_closeId = QAccessible::registerAccessibleInterface(button);
  return button;
}

int CNavigationBarAccessible::childCount() const { return QAccessibleWidget::childCount() + 1; }

QAccessibleInterface* CNavigationBarAccessible::child(int index) const {
  const int widgets = QAccessibleWidget::childCount();
  if (index == widgets) return CloseButton();
  return QAccessibleWidget::child(index);
}

int CNavigationBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child != nullptr && child == QAccessible::accessibleInterface(m_closeId)) return QAccessibleWidget::childCount();
  return QAccessibleWidget::indexOfChild(child);
}
