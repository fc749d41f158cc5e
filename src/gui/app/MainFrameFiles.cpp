// The main window's recent files in the File menus, and data files dropped
// on the window.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "core/shell/RecentFileList.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/app/RecentFiles.h"
#include "gui/shell/ResourceText.h"

namespace {
bool IsRecentFileCommand(int command) {
  return command >= Cmd::kFileMru1 && command < Cmd::kFileMru1 + static_cast<int>(kRecentFileCount);
}

// The first local file among the dropped ones, as the bytes of its path: a
// name that is not UTF-8 comes percent-encoded, and a text would change it.
std::string DroppedFile(const QMimeData* data) {
  if (data == nullptr) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile())
      return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
  return {};
}
}  // namespace

void CMainFrame::UpdateRecentFileItems() {
  const std::vector<std::string> recent = RecentFilePaths();
  if (recent == m_recentShown || m_menus128.empty() || m_menus129.empty()) return;
  m_recentShown = recent;
  for (QMenu* file : {m_menus128.front(), m_menus129.front()}) {
    for (QAction* action : file->actions())
      if (IsRecentFileCommand(CommandOf(action)) || action->objectName() == QLatin1String("recentSeparator")) {
        file->removeAction(action);
        delete action;
      }
    // Before Exit, the last item.
    QAction* exit = file->actions().isEmpty() ? nullptr : file->actions().back();
    for (std::size_t i = 0; i < recent.size(); ++i) {
      const std::string text = RecentFileMenuText(i, recent[i]);
      file->insertAction(exit, MakeCommandAction(FromStd(text), Cmd::kFileMru1 + static_cast<int>(i), file));
    }
    if (!recent.empty()) {
      QAction* separator = file->insertSeparator(exit);
      separator->setObjectName(QStringLiteral("recentSeparator"));
    }
  }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (m_fileDropHandler && !DroppedFile(event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const std::string path = DroppedFile(event->mimeData());
  if (path.empty() || !m_fileDropHandler) return;
  event->acceptProposedAction();
  // It would replace the document, as Open does.
  if (RefuseWhileTransferring(true)) return;
  m_fileDropHandler(path);
  UpdateMenuForDocuments();
  UpdateCommandUI();
}
