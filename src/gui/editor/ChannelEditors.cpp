#include "gui/editor/ChannelEditors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

#include "core/radio/ChannelCellRules.h"
#include "gui/shell/ResourceText.h"
#include "gui/widgets/ControlId.h"

namespace {

// Control ids of the editors of columns 1-8.
constexpr int kEditorIds[] = {2127, 2128, 2132, 2133, 2134, 2135, 1130, 1129};

bool IsToneColumn(int column) { return column == kColDecodeTone || column == kColEncodeTone; }

std::vector<std::string> ColumnEntries(int column, Language language) {
  return IsToneColumn(column) ? ToneList(language) : ColumnItems(column, language);
}

}  // namespace

CChannelEditors::CChannelEditors(QWidget* grid, Language language) : m_language(language) {
  for (int column = kColRxFrequency; column < kChannelColumns; ++column) {
    QWidget* editor = nullptr;
    if (column == kColRxFrequency || column == kColTxFrequency) {
      // With its frame, which shows the focus over the cell.
      editor = new QLineEdit(grid);
    } else {
      auto* combo = new QComboBox(grid);
      combo->setEditable(IsToneColumn(column));
      // Typed text is committed by the view, never added to the list.
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setMaxVisibleItems(IsToneColumn(column) ? 12 : 3);
      // In one insertion: item by item, the model announces 264 tone rows one at a time.
      combo->addItems(FromStd(ColumnEntries(column, language)));
      if (QLineEdit* text = combo->lineEdit()) text->setCompleter(nullptr);
      editor = combo;
    }
    SetControlId(editor, kEditorIds[column - kColRxFrequency]);
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
  const int entry = FirstEntryBeginning(ColumnEntries(column, m_language), ToStd(cellText));
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
