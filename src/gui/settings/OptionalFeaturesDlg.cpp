#include "gui/settings/OptionalFeaturesDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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
constexpr int kLeftRows = 6;  // the left column holds the first six lists
constexpr int kListWidth = 65;

// In OptionList order.
constexpr int kControlIds[kOptionListCount] = {1118, 1116, 1006, 1119, 1011, 1012, 1007, 1121, 1140, 1141, 1142};

// The lists whose two entries, "On" first, come with the template.
bool FromTemplate(OptionList list) {
  return list == OptionList::Vox || list == OptionList::Beep || list == OptionList::BatterySaver;
}

QStringList Entries(OptionList list) {
  if (FromTemplate(list)) {
    const int id = COptionalFeaturesDlg::ControlIdOf(list);
    return {ResourceText(DialogItemKey(kDialog, id, 0)), ResourceText(DialogItemKey(kDialog, id, 1))};
  }
  return FromStd(OptionListEntries(list, CurrentLanguage()));
}
}  // namespace

int COptionalFeaturesDlg::ControlIdOf(OptionList list) { return kControlIds[ListSlot(list)]; }

COptionalFeaturesDlg::COptionalFeaturesDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(ResourceText(DialogCaptionKey(kDialog)));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(DluX(this, 10), DluY(this, 9), DluX(this, 12), DluY(this, 8));
  grid->setHorizontalSpacing(DluX(this, 4));
  grid->setVerticalSpacing(DluY(this, 3));
  for (int slot = 0; slot < kOptionListCount; ++slot) {
    const auto list = static_cast<OptionList>(slot);
    QComboBox* combo = MakeDialogList(this, ControlIdOf(list), false);
    combo->setMinimumWidth(DluX(this, kListWidth));
    m_lists[ListSlot(list)] = combo;
    const int row = slot < kLeftRows ? slot : slot - kLeftRows;
    const int column = slot < kLeftRows ? 0 : 3;
    grid->addWidget(MakeDialogLabel(this, kDialog, ControlIdOf(list), combo), row, column,
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
  grid->setRowMinimumHeight(kLeftRows, DluY(this, 8));
  grid->addWidget(ok, kLeftRows + 1, 0, 1, 2, Qt::AlignCenter);
  grid->addWidget(cancel, kLeftRows + 1, 3, 1, 2, Qt::AlignCenter);
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
  for (int slot = 0; slot < kOptionListCount; ++slot) {
    const auto list = static_cast<OptionList>(slot);
    QComboBox* combo = List(list);
    combo->clear();
    combo->addItems(Entries(list));
    combo->setCurrentIndex(OptionIndexFromImage(m_pDoc->image, list));
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
