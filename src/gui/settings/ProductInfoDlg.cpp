#include "gui/settings/ProductInfoDlg.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/files/ProgramDoc.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/BandCheck.h"
#include "core/radio/ChannelTable.h"
#include "core/settings/ProductInfo.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/ResourceTable.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ChannelWindow.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/UserSettings.h"
#include "gui/widgets/DialogParts.h"
#include "gui/widgets/DialogUnits.h"

namespace {
constexpr int kDialog = Res::kDlgProduct;

// An index beyond the list leaves it without a selection.
void SelectOrClear(QComboBox* list, int index) { list->setCurrentIndex(index < list->count() ? index : -1); }
}  // namespace

CProductInfoDlg::CProductInfoDlg(QWidget* parent)
    : QDialog(parent),
      m_pModel(MakeDialogList(this, kModelList, false)),
      m_pBand(MakeDialogList(this, kBandList, false)) {
  setWindowTitle(ResourceText(DialogCaptionKey(kDialog)));
  auto* group = new QGroupBox(ResourceText(DialogGroupKey(kDialog, 1)), this);
  auto* choices = new QGridLayout(group);
  choices->setHorizontalSpacing(DluX(this, 6));
  choices->setVerticalSpacing(DluY(this, 8));
  int row = 0;
  for (QComboBox* list : {m_pModel, m_pBand}) {
    list->setParent(group);
    list->setMinimumWidth(DluX(this, 61));
    choices->addWidget(MakeDialogLabel(group, kDialog, list == m_pModel ? kModelList : kBandList, list), row, 0);
    choices->addWidget(list, row++, 1);
  }
  choices->setColumnStretch(1, 1);

  QPushButton* ok = MakeDialogButton(this, kDialog, Res::kIdOk);
  QPushButton* cancel = MakeDialogButton(this, kDialog, Res::kIdCancel);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CProductInfoDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_pModel, &QComboBox::currentIndexChanged, this, &CProductInfoDlg::OnSelChangeModel);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addStretch();
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(DluX(this, 17), DluY(this, 10), DluX(this, 15), DluY(this, 8));
  layout->setSpacing(DluY(this, 6));
  layout->addWidget(group);
  layout->addLayout(buttons);
  setMinimumWidth(DluX(this, 159));
}

int CProductInfoDlg::DoModal(CChannelWindow& view) {
  m_pView = &view;
  OnInitDialog();
  const int result = RunModal(*this);
  m_pView = nullptr;
  return result;
}

void CProductInfoDlg::OnInitDialog() {
  {
    const QSignalBlocker blocker(m_pModel);
    m_pModel->clear();
    m_pModel->addItems(FromStd(ModelList(g_profile)));
    SelectOrClear(m_pModel, ReadUserNumber("Type", 0));
  }
  OnSelChangeModel();
  SelectOrClear(m_pBand, ReadUserNumber("Field", 0));
  m_pModel->setFocus();
}

void CProductInfoDlg::OnSelChangeModel() {
  m_pBand->clear();
  m_pBand->addItems(FromStd(BandList(g_profile, m_pModel->currentIndex())));
  m_pBand->setCurrentIndex(0);
}

void CProductInfoDlg::OnOK() {
  const int model = m_pModel->currentIndex();
  const int band = m_pBand->currentIndex();
  const ProductTexts texts{ToStd(m_pModel->currentText()), ToStd(m_pBand->currentText())};
  const BandLimits before = m_pView->GetBandLimits();
  ChangeImage(*m_pView->GetDocument(),
              [&](RadioImage& image) { StoreProductChoice(model, band, texts.band, before, image); });
  // The caption and the band limits, by the rules the channel window uses.
  m_pView->ShowProduct(texts);
  WriteUserNumber("Type", model);
  WriteUserNumber("Field", band);
  accept();
  // Channels the new band leaves outside are kept, and named: the table
  // as it shows them, edits not yet stored included.
  RadioImage shown = m_pView->GetDocument()->image;
  StoreTableToImage(m_pView->Table(), shown);
  const std::vector<int> outside = ChannelsOutsideBand(shown, m_pView->GetBandLimits());
  if (!outside.empty())
    ProgramMessageBox(parentWidget(), FromStd(BandChangeNote(texts.band, outside, CurrentLanguage())), QMessageBox::Ok,
                      QMessageBox::Warning);
}

void CProductInfoDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) FrameServices().ShowHelpForFocus();
  QDialog::keyPressEvent(event);
}
