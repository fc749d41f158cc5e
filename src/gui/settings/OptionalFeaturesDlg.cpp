#include "gui/settings/OptionalFeaturesDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/files/ProgramDoc.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"

namespace {
constexpr int kDialog = Res::kDlgOptions;
constexpr int kListWidth = 65;

// Each column fills from the top in row order; the buttons go below the
// longer one.
int RowInColumn(OptionList list) {
  int row = 0;
  for (const OptionRow& r : kOptionRows) {
    if (r.list == list) break;
    row += r.column == OptionRowOf(list).column ? 1 : 0;
  }
  return row;
}
int RowsInLongerColumn() {
  int left = 0;
  for (const OptionRow& r : kOptionRows) left += r.column == OptionColumn::Left ? 1 : 0;
  return std::max(left, kOptionListCount - left);
}
}  // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(ResourceText(DialogCaptionKey(kDialog)));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(DluX(this, 10), DluY(this, 9), DluX(this, 12), DluY(this, 8));
  grid->setHorizontalSpacing(DluX(this, 4));
  grid->setVerticalSpacing(DluY(this, 3));
  for (const OptionRow& option : kOptionRows) {
    QComboBox* combo = MakeDialogList(this, option.controlId, false);
    combo->setMinimumWidth(DluX(this, kListWidth));
    m_lists[ListSlot(option.list)] = combo;
    const int row = RowInColumn(option.list);
    const int column = option.column == OptionColumn::Left ? 0 : 3;
    grid->addWidget(MakeDialogLabel(this, kDialog, option.controlId, combo), row, column,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(combo, row, column + 1);
  }
  // A gap between the columns, as the template leaves one.
  grid->setColumnMinimumWidth(2, DluX(this, 10));

  QPushButton* ok = MakeDialogButton(this, kDialog, Res::kIdOk);
  QPushButton* cancel = MakeDialogButton(this, kDialog, Res::kIdCancel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &COptionalFeaturesDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  const int rows = RowsInLongerColumn();
  grid->setRowMinimumHeight(rows, DluY(this, 8));
  grid->addWidget(ok, rows + 1, 0, 1, 2, Qt::AlignCenter);
  grid->addWidget(cancel, rows + 1, 3, 1, 2, Qt::AlignCenter);
  for (QPushButton* button : {ok, cancel}) button->setMinimumWidth(DluX(this, 36));
}

int COptionalFeaturesDlg::DoModal(CProgramDoc& doc) {
  m_pDoc = &doc;
  OnInitDialog();
  const int result = RunModal(*this);
  m_pDoc = nullptr;
  return result;
}

void COptionalFeaturesDlg::OnInitDialog() {
  for (const OptionRow& option : kOptionRows) {
    QComboBox* combo = List(option.list);
    combo->clear();
    combo->addItems(FromStd(OptionListEntries(option.list, CurrentLanguage())));
    combo->setCurrentIndex(OptionIndexFromImage(m_pDoc->image, option.list));
  }
  List(OptionList::TimeOutTime)->setFocus();
}

void COptionalFeaturesDlg::OnOK() {
  OptionIndexes indexes{};
  for (std::size_t i = 0; i < m_lists.size(); ++i) indexes[i] = m_lists[i]->currentIndex();
  ChangeImage(*m_pDoc, [&](RadioImage& image) { StoreOptionIndexes(indexes, image); });
  accept();
}

void COptionalFeaturesDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) FrameServices().ShowHelpForFocus();
  QDialog::keyPressEvent(event);
}
