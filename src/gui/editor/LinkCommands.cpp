#include "gui/editor/LinkCommands.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "core/files/ProgramDoc.h"
#include "core/files/UserFolders.h"
#include "core/link/PortNames.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/BandCheck.h"
#include "core/shell/ResourceIds.h"
#include "gui/editor/ChannelView.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/UserSettings.h"
#include "gui/shell/WindowTexts.h"

CLinkCommands::CLinkCommands(CChannelView* view)
    : QObject(view->Widget()), m_dlgComSetup(view->Widget()), m_pView(view) {
  connect(&m_runner, &CTransferRunner::progress, this, [this](int done, int, const QString& percent) {
    if (m_pProgress != nullptr) m_pProgress->SetProgress(done, percent);
  });
  connect(&m_runner, &CTransferRunner::verifying, this, [this] {
    if (m_pProgress != nullptr) m_pProgress->BeginPass(QString::fromUtf8(VerifyCaption(CurrentLanguage())));
  });
  connect(&m_runner, &CTransferRunner::finished, this, &CLinkCommands::OnTransferEnded);
}

CLinkCommands::~CLinkCommands() { delete m_pProgress.data(); }

bool CLinkCommands::Handles(int command) {
  return command == Cmd::kRead || command == Cmd::kWrite || command == Cmd::kComSetup;
}

void CLinkCommands::OnCommand(int command) {
  switch (command) {
    case Cmd::kRead: OnTransferCommand(Direction::Read); break;
    case Cmd::kWrite: OnTransferCommand(Direction::Write); break;
    case Cmd::kComSetup: m_dlgComSetup.DoModal(); break;
    default: break;
  }
}

void CLinkCommands::OnTransferCommand(Direction direction) {
  // A transfer under way is never re-entered; a window not yet started
  // follows the latest command, caption included.
  if (m_runner.IsRunning()) return;
  m_direction = direction;
  if (m_pProgress == nullptr) {
    m_pProgress = new CProgressDlg(m_pView->Widget()->window());
    connect(m_pProgress, &CProgressDlg::startRequested, this, &CLinkCommands::OnStartTransfer);
    connect(m_pProgress, &CProgressDlg::cancelRequested, this, [this] { m_runner.Cancel(); });
    connect(m_pProgress, &QDialog::rejected, this, &CLinkCommands::CloseProgress);
  }
  const int blocks = static_cast<int>(CountBlocks(MainTransferRanges(direction, g_bServiceMode)));
  m_pProgress->OnInitDialog(QString::fromUtf8(TransferCaption(direction, CurrentLanguage())), blocks);
  // Modeless: the main window stays usable beside it. A command given again
  // brings the window that is already open to the front.
  if (m_pProgress->isVisible()) m_pProgress->raise();
  m_pProgress->show();
  m_pProgress->activateWindow();
}

void CLinkCommands::OnStartTransfer() {
  // One transfer at a time on the one port: a progress window left open
  // over another document starts nothing while one runs.
  if (CTransferRunner::AnyRunning()) {
    FrameServices().ShowTransferBusyNote();
    if (m_pProgress != nullptr) m_pProgress->StartRefused();
    return;
  }
  // What the table shows is what goes to the radio: the cell being edited
  // first (its own message if it is refused), then the whole table.
  m_pView->CommitPendingEdit();
  if (m_direction == Direction::Write) m_pView->StoreToImage();
  if (m_pProgress == nullptr) return;
  if (m_direction == Direction::Write && !WriteOutsideBandConfirmed()) {
    CloseProgress();
    return;
  }

  MainTransferRequest request;
  request.device = ResolvePortArgument(g_strPortName, g_profile);
  request.direction = m_direction;
  request.serviceMode = g_bServiceMode;
  request.language = CurrentLanguage();
  request.settings = WindowLinkSettings();
  const std::string appName = g_profile.GetString("Setup", "AppName", "");
  TransferSteps steps;
  steps.verify = UserSwitchOn(kVerifyAfterWriteSetting);
  if (UserSwitchOn(kSerialTraceSetting))
    steps.trace = std::make_shared<CWireTraceFile>(TraceFolder(appName) + kLastTransferTraceName,
                                                   CWireTraceFile::Folder::MadeWhenMissing);
  steps.backupFolder = BackupFolder(appName);
  steps.port = g_strPortName;
  m_runner.Start(std::move(request), m_pView->GetDocument()->image, steps);
  UpdateFrameCommands();
}

bool CLinkCommands::WriteOutsideBandConfirmed() const {
  const std::vector<int> outside = ChannelsOutsideBand(m_pView->GetDocument()->image, m_pView->GetBandLimits());
  if (outside.empty()) return true;
  const std::string question = WriteOutsideBandQuestion(m_pView->BandText(), outside, CurrentLanguage());
  return ProgramMessageBox(m_pView->Widget()->window(), FromStd(question), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::Question) == QMessageBox::Yes;
}

void CLinkCommands::OnTransferEnded(const TransferSessionResult& result, const RadioImage& image) {
  CloseProgress();
  QWidget* mainWindow = m_pView->Widget()->window();
  if (result.transfer.ok() && m_direction == Direction::Read) {
    RadioImage read = m_pView->GetDocument()->image;
    CopyRanges(MainTransferRanges(Direction::Read, g_bServiceMode), image, read);
    g_bNewDocument = false;
    m_pView->TakeRead(read);
  }
  // The menus come back before any message of the outcome is shown.
  UpdateFrameCommands();
  std::string status;
  if (result.ok()) {
    status = TransferCompleteText(m_direction, CurrentLanguage());
    // A channel window hidden by File Close comes back with the result.
    auto* frame = qobject_cast<QMdiSubWindow*>(m_pView->Widget()->parentWidget());
    if (frame != nullptr && frame->isHidden()) {
      frame->showNormal();
      if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
    }
  } else {
    // String 61453 when the port did not open, "Communication Error", or
    // what the read-back of a Write found; a cancelled transfer has none.
    // A Write cut short once blocks were sent adds that the radio is to be
    // written again.
    QStringList lines;
    if (const std::string message = result.FailureMessage(); !message.empty()) lines << FromStd(message);
    if (QString partly = FromStd(PartlyWrittenWindowLine(result.transfer, CurrentLanguage())); !partly.isEmpty()) {
      partly[0] = partly[0].toUpper();
      lines << partly;
    }
    if (!lines.isEmpty()) ProgramMessageBox(mainWindow, lines.join(QLatin1Char('\n')));
  }
  for (const std::string& warning : SessionWarnings(result, CurrentLanguage()))
    ProgramMessageBox(mainWindow, FromStd(warning));
  // Back on the table, where the user goes on, before the outcome is said.
  m_pView->FocusCurrentCell();
  if (const std::string note = TraceNote(result, CurrentLanguage()); !note.empty())
    status += (status.empty() ? "" : kSentenceSeparator(CurrentLanguage())) + note;
  if (!status.empty())
    if (auto* frame = qobject_cast<QMainWindow*>(mainWindow)) frame->statusBar()->showMessage(FromStd(status));
}

void CLinkCommands::CloseProgress() {
  CProgressDlg* progress = m_pProgress;
  m_pProgress = nullptr;
  if (progress == nullptr) return;
  progress->hide();
  progress->deleteLater();
}

void CLinkCommands::UpdateFrameCommands() const { FrameServices().UpdateCommandUI(); }
