#pragma once
// The Qt layer's state for one run of the program, beside the process-wide
// values the Parts name (AppGlobals.h): the language module, the caption of
// message boxes, the help window, the transfers under way, the main window's
// services, and the hooks through which a test answers for the person. The
// application owns one for as long as it runs; before and after it, and for
// windows a test makes without an application, the process has one of its
// own.
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/link/LinkSettings.h"
#include "core/link/TransferRanges.h"
#include "gui/shell/UiRequests.h"

class QTranslator;
class QWidget;
class CFrameServices;

class CAppContext {
 public:
  // Becomes the context in force; when it ends, the one it replaced is in
  // force again. Contexts end in the reverse order of their start.
  CAppContext();
  ~CAppContext();
  CAppContext(const CAppContext&) = delete;
  CAppContext& operator=(const CAppContext&) = delete;

  // Where the program waits for a person or for the radio: a test answers
  // there and shortens the time-outs. An empty hook is the real thing. The
  // hooks are the process's: every context shares those of the one it
  // replaces, so that an application a test starts keeps the test's answers.
  struct HookSet {
    MessageBoxHook messageBox;
    ModalHook modal;
    StartProgramHook startProgram;
    FileNameHook fileName;
    HtmlHelpSink help;
    LinkSettings windowLink = MainLinkSettings();
    std::function<LinkSettings(Direction)> serviceLink;
  };
  HookSet& Hooks() { return *m_pHooks; }

  QString m_strMessageBoxCaption = QStringLiteral("Program");
  std::unique_ptr<QTranslator> m_pLanguageModule;  // the resource texts of the language
  std::unique_ptr<QTranslator> m_pQtTexts;         // Qt's own texts in Chinese
  QPointer<QWidget> m_pHelpWindow;                 // one for the whole run
  int m_nRunningTransfers = 0;                     // changed on the GUI thread only
  CFrameServices* m_pFrame = nullptr;              // the main window once it has registered
  std::map<std::string, int> m_unsavedChoices;     // settings the store could not take, by name

 private:
  CAppContext* m_pReplaced;
  std::shared_ptr<HookSet> m_pHooks;
};

// The context in force.
CAppContext& AppContext();
