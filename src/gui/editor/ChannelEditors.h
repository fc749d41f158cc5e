#pragma once
// The in-place editors of the channel table, one for each column but the
// number, of the kind its row names (edit control, list, or list that takes
// typed text), children of the grid, created hidden. At most one is visible,
// over the current cell, while an edit is in progress.
#include <QString>
#include <vector>

#include "core/lang/Language.h"

class QLineEdit;
class QWidget;

class CChannelEditors {
 public:
  // Creates the editors over `grid` with the lists of the given language.
  CChannelEditors(QWidget* grid, Language language);

  // The editor of a grid column; columns without one of their own use the
  // receive frequency's.
  QWidget* ForColumn(int column) const;
  // The visible editor, or nullptr.
  QWidget* Visible() const;
  // The editor with a control id (the editorId of its column's row).
  QWidget* WithId(int controlId) const;
  const std::vector<QWidget*>& All() const { return m_editors; }

  // Gives the editor of `column` the cell's text: an edit control takes it as
  // it is, a combo box selects the first entry that begins with it; a tone
  // that no entry begins with stays visible as typed text, any other column
  // falls back to its first entry.
  void Load(int column, const QString& cellText) const;
  QString Text(const QWidget* editor) const;
  // The text field of an editor: the edit control itself or an editable
  // combo box's; nullptr for the list-only combo boxes.
  static QLineEdit* TextField(QWidget* editor);

 private:
  Language m_language;
  std::vector<QWidget*> m_editors;  // in column order from 1
};
