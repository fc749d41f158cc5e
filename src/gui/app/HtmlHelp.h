#pragma once
// Online help: the help file of the process's language, shown at the topic
// of a context number in a help window of our own. A missing file or topic
// shows nothing and is not an error.
#include <QWidget>
#include <cstdint>
#include <string>

#include "gui/shell/UiHooks.h"

class QKeyEvent;
class QTextBrowser;

// Replaces where help requests go; an empty sink restores the help window.
void SetHtmlHelpSink(HtmlHelpSink sink);

// Returns the window showing the topic, or nullptr when nothing was shown.
QWidget* CallHtmlHelp(QWidget* owner, const std::string& file, unsigned command, std::uint32_t data);

// The F1 hook of a dialog or view: help for the focused control's id.
void HelpForFocusedControl(QWidget* owner);

// The window shown for help requests; one for the whole run.
class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CHelpWindow(QWidget* owner);
  // False (and nothing changes) when the file or its topic is missing.
  bool ShowTopic(const QString& path, std::uint32_t context);
  QString CurrentFile() const { return m_strFile; }
  std::uint32_t CurrentContext() const { return m_nContext; }

 protected:
  // Escape closes the window, as it would a dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* m_pBrowser;
  QString m_strFile;
  std::uint32_t m_nContext = 0;
};

CHelpWindow* ExistingHelpWindow();
