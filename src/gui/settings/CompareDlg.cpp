#include "gui/settings/CompareDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/settings/ImageCompare.h"
#include "core/shell/ResourceIds.h"
#include "gui/settings/OptionLabels.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/WindowTexts.h"
#include "gui/widgets/ControlId.h"

namespace {

constexpr int kSideColumns = kChannelColumns - 1;  // a row's cells without its number

QTableWidgetItem* Cell(const QString& text, bool marked = false) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (marked) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    item->setBackground(QColor(255, 236, 160));
  }
  return item;
}

QTableWidget* NewTable(QWidget* parent, int rows, const QStringList& titles) {
  auto* table = new QTableWidget(rows, static_cast<int>(titles.size()), parent);
  table->setHorizontalHeaderLabels(titles);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  return table;
}

// The last 2 x `sideColumns` columns are the two sides, each column as wide
// as its counterpart. The table is wide enough for every column and tall
// enough for every row, within the screen; beyond that it scrolls.
void FitTable(QTableWidget* table, int sideColumns) {
  table->resizeColumnsToContents();
  for (int c = table->columnCount() - 2 * sideColumns; c < table->columnCount() - sideColumns; ++c) {
    const int width = std::max(table->columnWidth(c), table->columnWidth(c + sideColumns));
    table->setColumnWidth(c, width);
    table->setColumnWidth(c + sideColumns, width);
  }
  int width = 2 * table->frameWidth();
  for (int c = 0; c < table->columnCount(); ++c) width += table->columnWidth(c);
  int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height();
  for (int r = 0; r < table->rowCount(); ++r) height += table->rowHeight(r);
  const QRect screen = table->screen()->availableGeometry();
  table->setMinimumWidth(std::min(width, screen.width() * 9 / 10));
  table->setMinimumHeight(std::min(height, screen.height() / 3));
  table->setMaximumHeight(height);
}

// The heading above `table`, which is also the table's name for a screen reader.
QLabel* Heading(QWidget* parent, const LangText& text, QTableWidget* table) {
  auto* label = new QLabel(LangString(text), parent);
  label->setBuddy(table);
  table->setAccessibleName(label->text());
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

CCompareDlg::CCompareDlg(QWidget* parent, const ImageComparison& differences, const QString& path) : QDialog(parent) {
  const QString fileSide = QFileInfo(path).fileName();
  setWindowTitle(CommandToolTip(Cmd::kFileCompare) + QStringLiteral(" - ") + fileSide);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(LangString(kCompareSides).arg(path), this));

  if (!differences.channels.empty()) {
    QStringList titles{FromStd(ChannelColumnTitle(kColChannel, CurrentLanguage()))};
    for (int side = 0; side < 2; ++side)
      for (int c = 1; c < kChannelColumns; ++c) titles << FromStd(ChannelColumnTitle(c, CurrentLanguage()));
    m_pChannels = NewTable(this, static_cast<int>(differences.channels.size()) + 1, titles);
    // The first row names the sides above their columns.
    m_pChannels->setSpan(0, 1, 1, kSideColumns);
    m_pChannels->setSpan(0, 1 + kSideColumns, 1, kSideColumns);
    for (const auto& [column, text] :
         {std::pair{1, LangString(kCompareDocumentSide)}, std::pair{1 + kSideColumns, fileSide}}) {
      m_pChannels->setItem(0, column, Cell(text));
      m_pChannels->item(0, column)->setTextAlignment(Qt::AlignCenter);
    }
    int row = 1;
    for (const ChannelDifference& d : differences.channels) {
      m_pChannels->setItem(row, 0, Cell(FromStd(ChannelNumberText(d.channel))));
      for (std::size_t c = 1; c < kChannelColumns; ++c) {
        const bool differs = d.first[c] != d.second[c];
        const int column = static_cast<int>(c);
        m_pChannels->setItem(row, column, Cell(FromStd(d.first[c]), differs));
        m_pChannels->setItem(row, column + kSideColumns, Cell(FromStd(d.second[c]), differs));
      }
      ++row;
    }
    layout->addWidget(Heading(this, kChannelsHeading, m_pChannels));
    layout->addWidget(m_pChannels);
  }

  const QStringList sides{LangString(kCompareDocumentSide), fileSide};
  if (!differences.options.empty()) {
    m_pOptions = NewTable(this, static_cast<int>(differences.options.size()),
                          QStringList{LangString(kCompareOptionTitle)} + sides);
    int row = 0;
    for (const OptionDifference& d : differences.options) {
      m_pOptions->setItem(row, 0, Cell(RadioOptionLabel(d.option)));
      m_pOptions->setItem(row, 1, Cell(FromStd(d.first), true));
      m_pOptions->setItem(row, 2, Cell(FromStd(d.second), true));
      ++row;
    }
    layout->addWidget(Heading(this, kOptionsHeading, m_pOptions));
    layout->addWidget(m_pOptions);
  }

  if (!differences.bytes.empty()) {
    m_pBytes = NewTable(this, static_cast<int>(differences.bytes.size()),
                        QStringList{LangString(kCompareAddressTitle)} + sides);
    int row = 0;
    for (const ByteDifference& d : differences.bytes) {
      m_pBytes->setItem(row, 0, Cell(FromStd(AddressRangeText(d))));
      m_pBytes->setItem(row, 1, Cell(FromStd(HexText(d.first)), true));
      m_pBytes->setItem(row, 2, Cell(FromStd(HexText(d.second)), true));
      ++row;
    }
    layout->addWidget(Heading(this, kBytesHeading, m_pBytes));
    layout->addWidget(m_pBytes);
  }

  if (m_pChannels != nullptr) FitTable(m_pChannels, kSideColumns);
  for (QTableWidget* table : {m_pOptions, m_pBytes})
    if (table != nullptr) FitTable(table, 1);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(LangString(kOkButton), QDialogButtonBox::AcceptRole);
  SetControlId(ok, Res::kIdOk);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  ok->setFocus();
}

void CCompareDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    FrameServices().ShowCommandHelp(Cmd::kFileCompare, this);
    return;
  }
  QDialog::keyPressEvent(event);
}
