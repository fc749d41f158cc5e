#pragma once
// The channel window's editing commands beyond the grid: undo and redo of
// every change to the table, the clipboard, the channel rows, and the
// channel lists as CSV files. One object per channel view; the frame's menus,
// accelerators and the table's context menu all run its commands.
#include <QKeySequence>
#include <QString>
#include <vector>

#include "core/csv/ChannelCsv.h"
#include "core/radio/ChannelRows.h"
#include "core/shell/ChannelBlock.h"
#include "core/shell/ChannelHistory.h"

class QLineEdit;
class QMenu;
class QPoint;
class QWidget;
class CChannelView;

class CChannelCommands {
 public:
  explicit CChannelCommands(CChannelView* view) : m_pView(view) {}

  // Every command it runs, and whether it runs `command`.
  static const std::vector<int>& Commands();
  static bool Handles(int command);
  bool IsEnabled(int command) const;
  void OnCommand(int command);

  // A New or an Open starts a new history; the view records every change
  // it makes to the table, and a Read as one step.
  void ResetHistory() { m_history.Clear(); }
  void Record(const ChannelTable& before, const ChannelTable& after) { m_history.Record(before, after); }
  void RecordRead(const ChannelTable& before, const ChannelTable& after, const RadioImage& imageBefore,
                  const RadioImage& imageAfter) {
    m_history.RecordRead(before, after, imageBefore, imageAfter);
  }

  // The table's context menu: the editing commands, then the channel rows.
  QMenu* ContextMenu(QWidget* parent);

  // File › Export Channels and Import Channels once a file is chosen.
  void ExportChannels(const QString& path, CsvForm form);
  void ImportChannels(const QString& path);

 private:
  // The selected cells; the current cell when nothing more is selected.
  CellRange Selection() const;
  void OnUndo(bool redo);
  void OnCopy(bool cut);
  void OnPaste();
  void OnRowOp(ChannelRowOp op);
  void OnExportChannels();
  void OnImportChannels();
  // The table after a paste or cut, with the one message for what it
  // refused or cleared.
  void TakePaste(const ChannelTable& table, const PasteResult& result, bool cut);
  // The editor over the current cell again when it was open before a command.
  void ReopenEditor(bool wasEditing);
  // What was refused, as a cell's Caution; otherwise a plain report.
  void ShowMessage(const QString& text, bool warning) const;

  CChannelView* m_pView;
  CChannelHistory m_history;
};

// The keys of the clipboard and undo commands, for the frame's accelerators
// and for the view, which lets an open editor have them when it can use them.
struct CommandKeys {
  QKeySequence keys;
  int command;
};
const std::vector<CommandKeys>& ChannelCommandKeys();
// The command of a key press (0 for none of them).
int ChannelCommandOfKey(const QKeySequence& keys);
