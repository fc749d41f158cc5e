#include "gui/editor/ChannelEditors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

#include "core/radio/ChannelCellRules.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"

CChannelEditors::CChannelEditors(QWidget* grid, Language language) : m_language(language) {
  for (const ChannelColumnDef& column : kChannelColumnRows) {
    if (column.editor == EditorKind::None) continue;
    QWidget* editor = nullptr;
    if (column.editor == EditorKind::Text) {
      // With its frame, which shows the focus over the cell.
      editor = new QLineEdit(grid);
    } else {
      const bool editable = column.editor == EditorKind::EditableList;
      auto* combo = new QComboBox(grid);
      combo->setEditable(editable);
      // Typed text is committed by the view, never added to the list.
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setMaxVisibleItems(editable ? 12 : 3);
      // In one insertion: item by item, the model announces 264 tone rows one at a time.
      combo->addItems(FromStd(EditorEntries(column.column, language)));
      if (QLineEdit* text = combo->lineEdit()) text->setCompleter(nullptr);
      editor = combo;
    }
    SetControlId(editor, column.editorId);
    editor->hide();
    m_editors.push_back(editor);
  }
}

QWidget* CChannelEditors::ForColumn(int column) const {
  if (column < kColRxFrequency || column >= kChannelColumns) column = kColRxFrequency;
  return m_editors[static_cast<std::size_t>(column - kColRxFrequency)];
}

QWidget* CChannelEditors::Visible() const {
  for (QWidget* editor : m_editors)
    if (!editor->isHidden()) return editor;
  return nullptr;
}

QWidget* CChannelEditors::WithId(int controlId) const {
  for (QWidget* editor : m_editors)
    if (ControlId(editor) == controlId) return editor;
  return nullptr;
}

void CChannelEditors::Load(int column, const QString& cellText) const {
  QWidget* editor = ForColumn(column);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(cellText);
    return;
  }
  auto* combo = static_cast<QComboBox*>(editor);
  const int entry = FirstEntryBeginning(EditorEntries(column, m_language), ToStd(cellText));
  if (entry >= 0) {
    combo->setCurrentIndex(entry);
  } else if (combo->isEditable()) {
    combo->setCurrentIndex(-1);
    combo->setEditText(cellText);
  } else {
    combo->setCurrentIndex(0);
  }
}

QString CChannelEditors::Text(const QWidget* editor) const {
  if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) return edit->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
  return QString();
}

QLineEdit* CChannelEditors::TextField(QWidget* editor) {
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) return edit;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) return combo->lineEdit();
  return nullptr;
}
