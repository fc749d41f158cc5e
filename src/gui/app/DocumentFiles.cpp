#include "gui/app/DocumentFiles.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

#include "core/files/DataFileMessage.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/app/ChildFrame.h"
#include "gui/app/RecentFiles.h"
#include "gui/editor/ProgramView.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/WindowTexts.h"

namespace {
// The document strings: title, name, new name, filter name, extension, ...
QStringList DocumentStrings() { return ResourceText(StringKey(Res::kDocumentStrings)).split(QLatin1Char('\n')); }
}  // namespace

QString DataFileDialogFilter() { return QStringLiteral("%1 (%1)").arg(DocumentStrings().value(3)); }

QString DataFileExtension() { return DocumentStrings().value(4); }

FileDialogRequest DataFileRequest(bool saving, const QString& proposed, int command) {
  return FileDialogRequest{saving, CommandToolTip(command), proposed, {DataFileDialogFilter()}, DataFileExtension()};
}

bool SaveDocument(QWidget* owner, CChildFrame* frame, bool askName) {
  if (frame == nullptr) return false;
  CProgramDoc* doc = frame->Document();
  // What is typed in a cell belongs in the file, as it does in a transfer.
  frame->View()->CommitPendingEdit();
  frame->View()->StoreToImage();

  // The document's own name stays bytes: a name that is not UTF-8 would
  // not survive a text.
  std::string file = doc->GetPathName();
  const QFileInfo info(FromStd(file));
  // A new document's name is only a proposal: a file of that name in the
  // current folder is never overwritten without asking.
  if (askName || !doc->HasFileName() || file.empty() || (info.exists() && !info.isWritable())) {
    const QString path = AskFileName(owner, DataFileRequest(true, FromStd(file), Cmd::kFileSaveAs));
    if (path.isEmpty()) return false;
    file = ToStd(path);
  }
  if (doc->WouldOverwriteChange(file) &&
      ProgramMessageBox(owner, LangString(kChangedOnDiskQuestion).arg(FromStd(file)),
                        QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Warning, QString(),
                        QMessageBox::Cancel) != QMessageBox::Save)
    return false;
  const DataFileResult result = doc->OnSaveDocument(file);
  if (!result.ok()) {
    const std::string message = DataFileFailureMessage(result, file, true, CurrentLanguage());
    if (!message.empty()) ProgramMessageBox(owner, FromStd(message));
    return false;
  }
  frame->UpdateTitle();
  NoteRecentFile(file);
  return true;
}

bool SaveModifiedDocuments(QWidget* owner, QMdiArea* client) {
  if (client == nullptr) return true;
  for (QMdiSubWindow* window : client->subWindowList()) {
    auto* child = qobject_cast<CChildFrame*>(window);
    if (child == nullptr) continue;
    child->View()->CommitPendingEdit();
    CProgramDoc* doc = child->Document();
    if (!doc->IsModified()) continue;
    // The user sees what the question is about.
    child->ShowAndActivate();
    const QMessageBox::StandardButton answer =
        ProgramMessageBox(owner, FromStd(SaveChangesQuestion(doc->GetTitle(), CurrentLanguage())),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning);
    if (answer == QMessageBox::No) continue;
    if (answer != QMessageBox::Yes || !SaveDocument(owner, child, false)) return false;
  }
  return true;
}
