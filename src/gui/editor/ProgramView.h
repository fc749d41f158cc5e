#pragma once
// The view inside the channel window: a title line over the channel table.
// Once filled from the image, the table and not the image holds the user's
// channel edits; StoreToImage turns them back into bytes before a save or a
// write. The view also holds the band limits that frequencies are checked
// against, and answers the commands that act on its document.
#include <QWidget>
#include <memory>

#include "core/radio/ChannelCellRules.h"
#include "core/radio/ChannelTable.h"
#include "core/shell/EditorRules.h"
#include "gui/editor/ChannelView.h"
#include "gui/editor/LanguageDlg.h"
#include "gui/editor/LinkCommands.h"

class QLabel;
class QLineEdit;
class CChannelCommands;
class CChannelEditors;
class CMSFlexGrid;
class CProgramDoc;
struct ProductTexts;

class CProgramView : public QWidget, public CChannelView {
  Q_OBJECT
 public:
  CProgramView(CProgramDoc* doc, QWidget* parent);
  ~CProgramView() override;

  CProgramDoc* GetDocument() const override { return m_pDoc; }

  // Called once the view and its document exist: builds the table the first
  // time, fits the channel window to the form and fills the table.
  void OnInitialUpdate();

  // The commands the view answers; false for any other id.
  bool HandlesCommand(int command) const;
  bool OnCommand(int command);

  void OnLanguage();

  // The size of the form the view lays out.
  QSize FormSize() const;

  // The table from the document's image, after a new document and an open:
  // also the radio type and band (SyncProduct). An edit in progress is
  // dropped, the document counts as unmodified, and the undo history starts
  // anew: this is the one place that resets it.
  void RefreshFromImage();
  // A complete Read: `read` becomes the document's image and the table shows
  // it, as one step that Undo takes back, the image included. The modified
  // flag stays as it was: a transfer never touches it.
  void TakeRead(const RadioImage& read) override;
  // The last used radio type and band in the settings store (a new document
  // takes them from there, any other records its own), the main window's
  // caption and the band limits, from the image.
  void SyncProduct() override;
  // All sixteen rows into the document's image, then the programmed marker.
  // An edit in progress is not committed here (see CommitPendingEdit).
  void StoreToImage() override;

  // The sixteen rows as the table shows them.
  ChannelTable Table() const override;
  // Replaces the whole table (an edit in progress is dropped) as one step
  // that can be undone; the document is marked modified when a cell changed.
  void SetTable(const ChannelTable& table) override;

  // Undo, the clipboard, the channel rows and the CSV channel lists.
  CChannelCommands& ChannelCommands() const { return *m_pChannelCommands; }

  // The accepted frequency range; set by RefreshFromImage, and by whoever
  // changes the radio's type or band.
  const BandLimits& GetBandLimits() const override { return m_bandLimits; }
  void SetBandLimits(const BandLimits& limits) { m_bandLimits = limits; }
  // The band text the limits come from, as messages name it.
  const std::string& BandText() const override { return m_strBand; }
  // The main window's caption and the band limits for a type and band.
  void ShowProduct(const ProductTexts& product) override;

  // Commits the visible editor into its cell, as leaving the cell does
  // (messages included); nothing happens when no edit is in progress. A
  // transfer and a save call it first, so a value still being typed counts.
  void CommitPendingEdit() override;
  bool IsEditing() const override;
  // The focus into the table from another pane (F6): onto the editor over
  // the current cell, opened as moving to the cell opens it, so what is
  // typed next goes into the cell.
  void FocusCurrentCell() override;

  QWidget* Widget() override { return this; }
  CMSFlexGrid* Grid() const override { return m_pGrid; }
  QLineEdit* EditorText() const override;
  // Opens the editor over the current cell (none over a block).
  void ShowEditor() override;
  // Shows `table`, an edit in progress dropped, as no step of the history.
  void WriteTable(const ChannelTable& table) override;
  QLabel* TitleLine() const { return m_pTitle; }
  // The in-place editor with a control id; nullptr before the first edit.
  QWidget* Editor(int controlId) const;

  CLanguageDlg m_dlgLanguage;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // From the keyboard, its first item is active, as a screen reader says.
  void PopUpContextMenu(const QPoint& globalPos, bool fromKeyboard);
  QPoint CurrentCellCorner() const;

 private:
  void FirstSetup();
  // RefreshFromImage without the fresh start of the document.
  void ShowImage();
  // The in-place editors, made at the first call.
  CChannelEditors& Editors();
  void LayOutForm();
  ChannelRow RowCells(int row) const;
  void SetRowCells(int row, const ChannelRow& cells);

  // Editing (ProgramViewEdit.cpp).
  void OnEnterCell();
  void OnLeaveCell();
  void OnMouseDown(int button, int shift, int x, int y);
  void HideEditor();
  // The open editor's value into its cell; false when the commit showed a
  // message (the editor is then closed, the cell as it was).
  enum class AfterCommit { Close, KeepOpen };
  bool Commit(AfterCommit after = AfterCommit::Close);
  void OnEnterKey();
  void OnSelChange();
  // An open editor keeps the clipboard and undo keys it can use, a
  // Shift+arrow that it has no use for extends the selection instead, and
  // Escape closes it with the cell as it was.
  bool FilterEditorKey(QWidget* editor, QKeyEvent* event);

  CProgramDoc* m_pDoc;
  // Read, Write and Com Setup.
  CLinkCommands m_linkCommands;
  QLabel* m_pTitle;
  CMSFlexGrid* m_pGrid;
  std::unique_ptr<CChannelEditors> m_pEditors;
  GridCell m_editorCell;  // where the open editor is; none: the fixed corner
  bool m_bFirstSetup = true;
  BandLimits m_bandLimits;
  std::string m_strBand;
  std::unique_ptr<CChannelCommands> m_pChannelCommands;
};
