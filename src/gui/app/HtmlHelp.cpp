#include "gui/app/HtmlHelp.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/shell/AccessibleTexts.h"
#include "core/shell/HelpTopics.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"

namespace {
CHelpWindow* Window() { return qobject_cast<CHelpWindow*>(AppContext().m_pHelpWindow.data()); }

// A modal dialog blocks every window but its own: help asked for from it
// belongs to it while it runs, and goes back to the owner when it ends.
QWidget* HelpParent(QWidget* owner) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : owner;
}

void ReturnToOwnerWhenFinished(QWidget* parent, QWidget* owner) {
  auto* dialog = qobject_cast<QDialog*>(parent);
  if (dialog == nullptr || parent == owner) return;
  QObject::connect(dialog, &QDialog::finished, Window(), [owner] {
    CHelpWindow* window = Window();
    const bool shown = window->isVisible();
    const QRect place = window->geometry();
    window->setParent(owner, Qt::Window);
    window->setGeometry(place);
    window->setVisible(shown);
  });
}

QWidget* ShowInHelpWindow(QWidget* owner, const std::string& file, unsigned command, std::uint32_t data) {
  if (command != kHelpContextCommand) return nullptr;
  const QString path = FromStd(g_strAppDir + HelpHtmlFileName(file));
  QWidget* parent = HelpParent(owner);
  CHelpWindow* window = Window();
  if (window == nullptr || window->parentWidget() != parent) {
    delete window;
    window = new CHelpWindow(parent);
    AppContext().m_pHelpWindow = window;
    ReturnToOwnerWhenFinished(parent, owner);
  }
  if (!window->ShowTopic(path, data)) return nullptr;
  window->show();
  window->raise();
  return window;
}
}  // namespace

void SetHtmlHelpSink(HtmlHelpSink sink) { AppContext().Hooks().help = std::move(sink); }

QWidget* CallHtmlHelp(QWidget* owner, const std::string& file, unsigned command, std::uint32_t data) {
  if (const HtmlHelpSink& sink = AppContext().Hooks().help) return sink(owner, file, command, data);
  return ShowInHelpWindow(owner, file, command, data);
}

void HelpForFocusedControl(QWidget* owner) {
  const int id = ControlId(QApplication::focusWidget());
  CallHtmlHelp(owner, g_strHelpFile, kHelpContextCommand, static_cast<std::uint32_t>(id));
}

CHelpWindow* ExistingHelpWindow() { return Window(); }

CHelpWindow::CHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window), m_pBrowser(new QTextBrowser(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pBrowser);
  m_pBrowser->setOpenExternalLinks(false);
  m_pBrowser->setAccessibleName(LangString(kA11yHelpText));
  resize(560, 420);
}

bool CHelpWindow::ShowTopic(const QString& path, std::uint32_t context) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray html = file.readAll();
  if (!HelpTextHasTopic(html.toStdString(), context)) return false;
  QUrl url = QUrl::fromLocalFile(path);
  url.setFragment(FromStd(HelpAnchor(context)));
  m_pBrowser->setSource(url);
  m_pBrowser->scrollToAnchor(url.fragment());
  setWindowTitle(m_pBrowser->documentTitle());
  m_strFile = path;
  m_nContext = context;
  return true;
}

void CHelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
