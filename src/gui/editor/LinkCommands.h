#pragma once
// The channel view's commands that talk to the radio: Read and Write with
// their progress window, and the Port Setting dialog. The link runs off the
// GUI thread on a copy of the image, with the read-back of a Write and the
// serial trace when Setup asks for them, and the backup of a complete Read;
// the document takes the bytes read only on the GUI thread, once the whole
// Read has succeeded, as one step of the undo history.
#include <QObject>
#include <QPointer>

#include "gui/editor/ComSetupDlg.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/shell/TransferRunner.h"

class CChannelView;

class CLinkCommands : public QObject {
  Q_OBJECT
 public:
  explicit CLinkCommands(CChannelView* view);
  // A progress window not yet started goes with its view (File New removes
  // the view; the window belongs to the main window and would stay behind).
  ~CLinkCommands() override;

  // Read, Write and Com Setup.
  static bool Handles(int command);
  void OnCommand(int command);

  // The progress window while it is open; nullptr otherwise.
  CProgressDlg* ProgressWindow() const { return m_pProgress; }
  bool Transferring() const { return m_runner.IsRunning(); }

  CComSetupDlg m_dlgComSetup;

 private:
  // Opens the progress window for `direction`; its OK starts the transfer.
  void OnTransferCommand(Direction direction);
  void OnStartTransfer();
  // Before a Write: true unless channels lie outside the band and the user
  // answers No to sending them.
  bool WriteOutsideBandConfirmed() const;
  void OnTransferEnded(const TransferSessionResult& result, const RadioImage& image);
  void CloseProgress();
  void UpdateFrameCommands() const;

  CChannelView* m_pView;
  Direction m_direction = Direction::Read;
  QPointer<CProgressDlg> m_pProgress;
  CTransferRunner m_runner;
};
