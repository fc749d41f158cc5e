#pragma once
// The channel view as the command objects it owns see it: the Read and Write
// commands and the editing commands act on its table, its in-place editors
// and its document through this, and the view implements it.
#include <string>

#include "gui/shell/ChannelWindow.h"

class QLineEdit;
class QWidget;
class CMSFlexGrid;

class CChannelView : public CChannelWindow {
 public:
  // The view itself: the parent of messages, menus and dialogs.
  virtual QWidget* Widget() = 0;
  virtual CMSFlexGrid* Grid() const = 0;
  // The text field of the editor open over the current cell, or nullptr.
  virtual QLineEdit* EditorText() const = 0;
  virtual bool IsEditing() const = 0;
  // Opens the editor over the current cell, as moving to the cell does.
  virtual void ShowEditor() = 0;
  // The focus onto the current cell, its editor opened.
  virtual void FocusCurrentCell() = 0;
  virtual void CommitPendingEdit() = 0;
  // Shows `table`, an edit in progress dropped; no step of the undo history.
  virtual void WriteTable(const ChannelTable& table) = 0;
  // Shows `table` as one step that can be undone.
  virtual void SetTable(const ChannelTable& table) = 0;
  virtual void StoreToImage() = 0;
  virtual void SyncProduct() = 0;
  virtual void TakeRead(const RadioImage& read) = 0;
  // The band text the limits come from, as messages name it.
  virtual const std::string& BandText() const = 0;

 protected:
  ~CChannelView() = default;
};
