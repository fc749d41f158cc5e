#include "gui/editor/ChannelCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "core/csv/CsvImportReport.h"
#include "core/files/ProgramDoc.h"
#include "core/shell/EditorRules.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "core/shell/TransferRules.h"
#include "gui/editor/ChannelView.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/TransferRunner.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/WindowTexts.h"
#include "gui/widgets/MSFlexGrid.h"

namespace {

const std::vector<int> kCommands{Cmd::kEditUndo,      Cmd::kEditRedo,       Cmd::kEditCut,
                                 Cmd::kEditCopy,      Cmd::kEditPaste,      Cmd::kInsertChannel,
                                 Cmd::kDeleteChannel, Cmd::kMoveChannelUp,  Cmd::kMoveChannelDown,
                                 Cmd::kClearChannel,  Cmd::kImportChannels, Cmd::kExportChannels};

constexpr int kSeparator = 0;
const int kContextMenu[] = {Cmd::kEditUndo,      Cmd::kEditRedo,        kSeparator,
                            Cmd::kEditCut,       Cmd::kEditCopy,        Cmd::kEditPaste,
                            kSeparator,          Cmd::kInsertChannel,   Cmd::kDeleteChannel,
                            Cmd::kMoveChannelUp, Cmd::kMoveChannelDown, Cmd::kClearChannel};

const QString kCsvSuffix = QStringLiteral("csv");

// Import and Export: our own form first, then `second`, the CHIRP form (an
// export's filter picks the form) or all files.
FileDialogRequest CsvFileRequest(bool saving, const QString& proposed, int command, const LangText& second) {
  return FileDialogRequest{saving,
                           CommandToolTip(command),
                           proposed,
                           {LangString(kOwnFormFilter), LangString(second)},
                           QLatin1Char('.') + kCsvSuffix};
}

}  // namespace

const std::vector<CommandKeys>& ChannelCommandKeys() {
  static const std::vector<CommandKeys> keys = {
      {QKeySequence(Qt::CTRL | Qt::Key_Z), Cmd::kEditUndo},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), Cmd::kEditRedo},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Cmd::kEditRedo},
      {QKeySequence(Qt::CTRL | Qt::Key_X), Cmd::kEditCut},
      {QKeySequence(Qt::CTRL | Qt::Key_C), Cmd::kEditCopy},
      {QKeySequence(Qt::CTRL | Qt::Key_V), Cmd::kEditPaste},
  };
  return keys;
}

int ChannelCommandOfKey(const QKeySequence& keys) {
  for (const CommandKeys& entry : ChannelCommandKeys())
    if (entry.keys == keys) return entry.command;
  return 0;
}

const std::vector<int>& CChannelCommands::Commands() { return kCommands; }

bool CChannelCommands::Handles(int command) {
  return std::find(kCommands.begin(), kCommands.end(), command) != kCommands.end();
}

CellRange CChannelCommands::Selection() const {
  const CMSFlexGrid* grid = m_pView->Grid();
  return {std::min(grid->GetRow(), grid->GetRowSel()), std::min(grid->GetCol(), grid->GetColSel()),
          std::max(grid->GetRow(), grid->GetRowSel()), std::max(grid->GetCol(), grid->GetColSel())};
}

bool CChannelCommands::IsEnabled(int command) const {
  // The table's context menu asks here without the frame.
  if (CTransferRunner::AnyRunning() && RefusedDuringTransfer(command)) return false;
  const CellRange rows = Selection();
  const QLineEdit* text = m_pView->EditorText();
  switch (command) {
    case Cmd::kEditUndo: return (text != nullptr && text->isUndoAvailable()) || m_history.CanUndo();
    case Cmd::kEditRedo: return (text != nullptr && text->isRedoAvailable()) || m_history.CanRedo();
    case Cmd::kEditPaste: return !QApplication::clipboard()->text().isEmpty();
    case Cmd::kMoveChannelUp: return rows.top > 1;
    case Cmd::kMoveChannelDown: return rows.bottom < ImageMap::kChannelCount;
    default: return Handles(command);
  }
}

void CChannelCommands::OnCommand(int command) {
  if (CTransferRunner::AnyRunning() && RefusedDuringTransfer(command)) return;
  switch (command) {
    case Cmd::kEditUndo: OnUndo(false); break;
    case Cmd::kEditRedo: OnUndo(true); break;
    case Cmd::kEditCut: OnCopy(true); break;
    case Cmd::kEditCopy: OnCopy(false); break;
    case Cmd::kEditPaste: OnPaste(); break;
    case Cmd::kInsertChannel: OnRowOp(ChannelRowOp::Insert); break;
    case Cmd::kDeleteChannel: OnRowOp(ChannelRowOp::Delete); break;
    case Cmd::kMoveChannelUp: OnRowOp(ChannelRowOp::MoveUp); break;
    case Cmd::kMoveChannelDown: OnRowOp(ChannelRowOp::MoveDown); break;
    case Cmd::kClearChannel: OnRowOp(ChannelRowOp::Clear); break;
    case Cmd::kImportChannels: OnImportChannels(); break;
    case Cmd::kExportChannels: OnExportChannels(); break;
    default: break;
  }
}

QMenu* CChannelCommands::ContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  for (int command : kContextMenu) {
    if (command == kSeparator) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(ResourceText(MenuItemKey(Res::kMenuDocument, command)));
    action->setData(command);  // F1 on the item finds its topic
    action->setEnabled(IsEnabled(command));
    QObject::connect(action, &QAction::triggered, m_pView->Widget(), [this, command] { OnCommand(command); });
  }
  return menu;
}

void CChannelCommands::ReopenEditor(bool wasEditing) {
  if (wasEditing) m_pView->ShowEditor();
}

void CChannelCommands::ShowMessage(const QString& text, bool warning) const {
  if (warning)
    ProgramMessageBox(m_pView->Widget(), text, QMessageBox::Ok, QMessageBox::Warning,
                      ResourceText(StringKey(Res::kStrCaution)));
  else
    ProgramMessageBox(m_pView->Widget(), text, QMessageBox::Ok, QMessageBox::Information);
}

void CChannelCommands::OnUndo(bool redo) {
  // An editor's own typing is undone first, as in any text field.
  QLineEdit* text = m_pView->EditorText();
  if (text != nullptr && (redo ? text->isRedoAvailable() : text->isUndoAvailable())) {
    redo ? text->redo() : text->undo();
    return;
  }
  const bool wasEditing = m_pView->IsEditing();
  m_pView->CommitPendingEdit();
  if (redo ? !m_history.CanRedo() : !m_history.CanUndo()) return;
  CProgramDoc* doc = m_pView->GetDocument();
  const RadioImage before = doc->image;
  m_pView->WriteTable(redo ? m_history.Redo(doc->image) : m_history.Undo(doc->image));
  // A Read taken back or done again may bring another radio type or band.
  if (doc->image.productType() != before.productType() || doc->image.productBand() != before.productBand())
    m_pView->SyncProduct();
  doc->SetModifiedFlag();
  ReopenEditor(wasEditing);
}

void CChannelCommands::OnCopy(bool cut) {
  // An open editor's text is the editor's to copy or cut.
  if (QLineEdit* text = m_pView->EditorText()) {
    cut ? text->cut() : text->copy();
    return;
  }
  const bool wasEditing = m_pView->IsEditing();
  m_pView->CommitPendingEdit();
  const CellRange range = Selection();
  ChannelTable table = m_pView->Table();
  QApplication::clipboard()->setText(FromStd(BlockText(table, range)));
  if (!cut) {
    ReopenEditor(wasEditing);
    return;
  }
  const PasteResult result = ClearBlock(table, range, m_pView->GetBandLimits(), CurrentLanguage());
  TakePaste(table, result, true);
  ReopenEditor(wasEditing);
}

void CChannelCommands::OnPaste() {
  const std::string text = ToStd(QApplication::clipboard()->text());
  const CellBlock block = ParseBlockText(text);
  // One value goes into an open editor, to be committed as typed.
  if (QLineEdit* field = m_pView->EditorText(); field != nullptr && !IsBlockText(text)) {
    field->insert(FromStd(block.front().front()));
    return;
  }
  const bool wasEditing = m_pView->IsEditing();
  m_pView->CommitPendingEdit();
  ChannelTable table = m_pView->Table();
  const PasteResult result = PasteBlock(table, Selection(), block, m_pView->GetBandLimits(), CurrentLanguage());
  TakePaste(table, result, false);
  ReopenEditor(wasEditing);
}

void CChannelCommands::TakePaste(const ChannelTable& table, const PasteResult& result, bool cut) {
  m_pView->SetTable(table);
  const std::string report = PasteReport(result, cut, CurrentLanguage());
  // Channels cleared by the rules alone are news, not a caution.
  if (!report.empty()) ShowMessage(FromStd(report), !result.refused.empty() || result.outside > 0);
}

void CChannelCommands::OnRowOp(ChannelRowOp op) {
  const bool wasEditing = m_pView->IsEditing();
  m_pView->CommitPendingEdit();
  const CellRange range = Selection();
  CProgramDoc* doc = m_pView->GetDocument();
  const ChannelTable before = m_pView->Table();
  const RadioImage imageBefore = doc->image;
  ChannelTable table = before;
  if (!ApplyChannelRowOp(op, range.top, range.bottom, table, doc->image, CurrentLanguage())) {
    if (op == ChannelRowOp::Insert) ShowMessage(FromStd(InsertRefusedText(range.Rows(), CurrentLanguage())), true);
    return;
  }
  if (table == before && doc->image == imageBefore) return;
  m_history.RecordRowOp(before, table, imageBefore, doc->image);
  m_pView->WriteTable(table);
  doc->SetModifiedFlag();
  // The selection goes with the channels that moved (entering its cell
  // opens the editor there, as any move does).
  const int shift = op == ChannelRowOp::MoveUp ? -1 : op == ChannelRowOp::MoveDown ? 1 : 0;
  CMSFlexGrid* grid = m_pView->Grid();
  if (shift != 0)
    grid->Select(grid->GetRow() + shift, grid->GetCol(), grid->GetRowSel() + shift, grid->GetColSel());
  else
    ReopenEditor(wasEditing);
}

void CChannelCommands::ExportChannels(const QString& path, CsvForm form) {
  // What the table shows, with every byte of the image the table keeps.
  RadioImage image = m_pView->GetDocument()->image;
  StoreTableToImage(m_pView->Table(), image);
  const std::string file = ToStd(path);
  const int err = SaveChannelsCsv(file, image, form);
  // As a data file that cannot be written is told.
  if (err != 0) ProgramMessageBox(m_pView->Widget(), FromStd(CsvWriteFailureText(file, err, CurrentLanguage())));
}

void CChannelCommands::ImportChannels(const QString& path) {
  const std::string file = ToStd(path);
  const CsvImportResult result = ImportChannelsCsvFile(file, m_pView->GetBandLimits(), CurrentLanguage());
  if (!result.Readable()) {
    ProgramMessageBox(m_pView->Widget(), FromStd(file + "\n" + CsvFileFailureText(result, CurrentLanguage())));
    return;
  }
  if (result.ReplacesTable()) m_pView->SetTable(result.table);
  ShowMessage(FromStd(CsvImportReport(result, CurrentLanguage())).trimmed(), !result.refused.empty());
}

void CChannelCommands::OnExportChannels() {
  m_pView->CommitPendingEdit();
  const CProgramDoc* doc = m_pView->GetDocument();
  const QFileInfo document(FromStd(doc->GetPathName()));
  QString proposed = document.completeBaseName() + QLatin1Char('.') + kCsvSuffix;
  if (doc->HasFileName()) proposed = document.dir().filePath(proposed);
  int chosen = 0;
  const QString path =
      AskFileName(m_pView->Widget(), CsvFileRequest(true, proposed, Cmd::kExportChannels, kChirpFormFilter), &chosen);
  if (!path.isEmpty()) ExportChannels(path, chosen == 1 ? CsvForm::Chirp : CsvForm::Own);
}

void CChannelCommands::OnImportChannels() {
  m_pView->CommitPendingEdit();
  const QString path =
      AskFileName(m_pView->Widget(), CsvFileRequest(false, QString(), Cmd::kImportChannels, kAllFilesFilter));
  if (!path.isEmpty()) ImportChannels(path);
}
