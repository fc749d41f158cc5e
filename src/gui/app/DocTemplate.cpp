#include "gui/app/DocTemplate.h"

#include <QMdiArea>
#include <memory>

#include "core/files/ProgramDoc.h"
#include "core/profile/ProfileFile.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/RecentFiles.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"

CChildFrame* CDocTemplate::AddFrame(CChildFrame* frame) {
  m_pArea->addSubWindow(frame);
  frame->setGeometry(0, 0, 1600, 1200);
  frame->show();
  frame->View()->OnInitialUpdate();
  m_pArea->setActiveSubWindow(frame);
  if (m_onFrameAdded) m_onFrameAdded(frame);
  return frame;
}

CChildFrame* CDocTemplate::NewDocument() {
  auto doc = std::make_unique<CProgramDoc>();
  doc->OnNewDocument(g_strAppDir, g_profile.GetString("Setup", "AppName", ""), CurrentLanguage());
  g_bNewDocument = true;
  return AddFrame(new CChildFrame(std::move(doc)));
}

CChildFrame* CDocTemplate::OpenDocumentFile(const std::string& file, CChildFrame* previous, bool reportShortFile,
                                            OpenAs as) {
  auto doc = std::make_unique<CProgramDoc>();
  const DataFileResult result =
      as == OpenAs::Copy ? doc->OnOpenCopy(file, g_profile.GetString("Setup", "AppName", ""), CurrentLanguage())
                         : doc->OnOpenDocument(file);
  if (!result.ok()) {
    const std::string message = reportShortFile ? CommandLineOpenMessage(result, file, CurrentLanguage())
                                                : DataFileFailureMessage(result, file, false, CurrentLanguage());
    if (!message.empty()) ProgramMessageBox(m_pArea->window(), FromStd(message));
    return nullptr;
  }
  if (previous != nullptr) previous->close();
  g_bNewDocument = false;
  if (as == OpenAs::File) NoteRecentFile(file);
  return AddFrame(new CChildFrame(std::move(doc)));
}
