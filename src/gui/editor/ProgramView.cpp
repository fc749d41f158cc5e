#include "gui/editor/ProgramView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>

#include "core/files/ProgramDoc.h"
#include "core/profile/ProfileFile.h"
#include "core/settings/ProductInfo.h"
#include "core/shell/AccessibleTexts.h"
#include "core/shell/EditorRules.h"
#include "core/shell/NavigationItems.h"
#include "core/shell/ResourceIds.h"
#include "core/shell/StartupRules.h"
#include "gui/editor/ChannelCommands.h"
#include "gui/editor/ChannelEditors.h"
#include "gui/editor/ComSetupDlg.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UserSettings.h"
#include "gui/widgets/ControlId.h"
#include "gui/widgets/DialogUnits.h"
#include "gui/widgets/GridEditor.h"
#include "gui/widgets/MSFlexGrid.h"
#include "gui/widgets/ProgramIcons.h"

namespace {
// The form template, in dialog units.
constexpr int kFormWidthDlu = 439;
constexpr int kFormHeightDlu = 218;
const QRect kGridDlu(13, 37, 412, 167);
const QRect kTitleDlu(47, 13, 345, 17);
constexpr int kCtlTitle = 1006;

constexpr unsigned int kHeaderColor = 0x00F03200;  // red 0, green 50, blue 240, as 0x00BBGGRR
const QColor kTitleColor(250, 10, 10);
constexpr int kTitlePoints = 12;

QFont TitleFont(const QFont& base) {
  QFont font = base;
  // "宋体" is rarely installed here: the program's own faces follow, whose
  // CJK fallback keeps a Chinese title readable.
  font.setFamilies(QStringList{QStringLiteral("宋体"), QStringLiteral("SimSun")} + base.families());
  font.setPointSize(kTitlePoints);
  return font;
}
}  // namespace

CProgramView::CProgramView(CProgramDoc* doc, QWidget* parent)
    : QWidget(parent),
      m_dlgLanguage(this),
      m_pDoc(doc),
      m_linkCommands(this),
      m_pTitle(new QLabel(this)),
      m_pGrid(new CMSFlexGrid(this)),
      m_pChannelCommands(std::make_unique<CChannelCommands>(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  SetControlId(m_pTitle, kCtlTitle);
  SetControlId(m_pGrid, Res::kCtlChannelGrid);
  m_pGrid->setAccessibleName(LangString(kA11yChannelTable));
  // The channel window's content, named as its caption is.
  setAccessibleName(LangString(NavChannelInformation().text));
  m_pTitle->setAlignment(Qt::AlignCenter);
  m_pTitle->setFont(TitleFont(font()));
  QPalette titleColours = m_pTitle->palette();
  titleColours.setColor(QPalette::WindowText, kTitleColor);
  m_pTitle->setPalette(titleColours);
  setFocusProxy(m_pGrid);
  LayOutForm();
}

CProgramView::~CProgramView() {
  // The grid's last signals (its focus going away) must not reach a view
  // that is half destroyed.
  disconnect(m_pGrid, nullptr, this, nullptr);
}

QSize CProgramView::FormSize() const {
  const QRect grid = m_pGrid->geometry();
  const QSize margin(DluX(this, kFormWidthDlu) - DluX(this, kGridDlu.right() + 1),
                     DluY(this, kFormHeightDlu) - DluY(this, kGridDlu.bottom() + 1));
  return {grid.right() + 1 + margin.width(), grid.bottom() + 1 + margin.height()};
}

void CProgramView::LayOutForm() {
  // The template's places, the grid just large enough for every row and
  // column.
  const QRect grid(QPoint(DluX(this, kGridDlu.x()), DluY(this, kGridDlu.y())), GridContentSize(m_pGrid));
  m_pGrid->setGeometry(grid);
  const int titleWidth = DluX(this, kTitleDlu.width());
  m_pTitle->setGeometry(grid.center().x() - titleWidth / 2, DluY(this, kTitleDlu.y()), titleWidth,
                        DluY(this, kTitleDlu.height()));
}

void CProgramView::FirstSetup() {
  m_pGrid->SetRows(ImageMap::kChannelCount + 1);
  m_pGrid->SetCols(kChannelColumns);
  m_pGrid->SetForeColorFixed(kHeaderColor);
  m_pGrid->installEventFilter(this);

  for (int c = 0; c < kChannelColumns; ++c)
    m_pGrid->SetTextMatrix(0, c, QString::fromUtf8(ChannelColumnTitle(c, CurrentLanguage())));
  m_pTitle->setText(FromStd(g_profile.GetString(LanguageName(CurrentLanguage()), "Title", "")));
  for (int r = 1; r < m_pGrid->GetRows(); ++r) {
    m_pGrid->SetTextMatrix(r, 0, FromStd(ChannelNumberText(r)));
    m_pGrid->SetRowName(r, FromStd(ChannelRowName(r, CurrentLanguage())));
  }
  for (int c = 0; c < m_pGrid->GetCols(); ++c) m_pGrid->SetColAlignment(c, CMSFlexGrid::kAlignCenterCenter);
  const int w = m_pGrid->GetColWidth(0);
  for (int c = 0; c < kChannelColumns; ++c) m_pGrid->SetColWidth(c, ChannelColumnWidth(c, w));
  LayOutForm();

  connect(m_pGrid, &CMSFlexGrid::EnterCell, this, &CProgramView::OnEnterCell);
  connect(m_pGrid, &CMSFlexGrid::LeaveCell, this, &CProgramView::OnLeaveCell);
  connect(m_pGrid, &CMSFlexGrid::MouseDown, this, &CProgramView::OnMouseDown);
  connect(m_pGrid, &CMSFlexGrid::SelChange, this, &CProgramView::OnSelChange);
  connect(m_pGrid, &CMSFlexGrid::Scrolled, this, [this] {
    if (QWidget* editor = m_pEditors != nullptr ? m_pEditors->Visible() : nullptr)
      PlaceOverCurrentCell(m_pGrid, editor);
  });
  m_bFirstSetup = false;
}

CChannelEditors& CProgramView::Editors() {
  // Made at the first edit rather than with the window: none of them shows
  // before that, and the two tone lists hold hundreds of entries.
  if (m_pEditors != nullptr) return *m_pEditors;
  m_pEditors = std::make_unique<CChannelEditors>(m_pGrid, CurrentLanguage());
  for (QWidget* editor : m_pEditors->All()) {
    // Their context menu is the table's (contextMenuEvent).
    editor->installEventFilter(this);
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    for (QWidget* inner : editor->findChildren<QWidget*>()) {
      inner->installEventFilter(this);
      inner->setContextMenuPolicy(Qt::NoContextMenu);
    }
  }
  return *m_pEditors;
}

void CProgramView::OnInitialUpdate() {
  LoadStoredPortName();
  if (m_bFirstSetup) FirstSetup();
  // Shrink the channel window to the form, never grow it.
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    const QSize border = frame->size() - size();
    const QSize wanted = FormSize() + border;
    frame->resize(frame->size().boundedTo(wanted));
    const QIcon icon = IconFromFile(FromStd(g_strAppDir + kTitleIconFile));
    if (!icon.isNull()) frame->setWindowIcon(icon);
  }
  RefreshFromImage();
}

QWidget* CProgramView::Editor(int controlId) const {
  return m_pEditors == nullptr ? nullptr : m_pEditors->WithId(controlId);
}

ChannelRow CProgramView::RowCells(int row) const {
  ChannelRow cells;
  for (int c = 0; c < kChannelColumns; ++c) cells[static_cast<std::size_t>(c)] = ToStd(m_pGrid->GetTextMatrix(row, c));
  return cells;
}

void CProgramView::SetRowCells(int row, const ChannelRow& cells) {
  for (int c = kColRxFrequency; c < kChannelColumns; ++c)
    m_pGrid->SetTextMatrix(row, c, FromStd(cells[static_cast<std::size_t>(c)]));
}

ChannelTable CProgramView::Table() const {
  ChannelTable table;
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) table[static_cast<std::size_t>(n - 1)] = RowCells(n);
  return table;
}

void CProgramView::WriteTable(const ChannelTable& table) {
  HideEditor();
  const CMSFlexGrid::QuietCells quiet(m_pGrid);
  for (int n = 1; n <= ImageMap::kChannelCount; ++n) SetRowCells(n, table[static_cast<std::size_t>(n - 1)]);
}

void CProgramView::SetTable(const ChannelTable& table) {
  const ChannelTable before = Table();
  WriteTable(table);
  const ChannelTable after = Table();
  if (after == before) return;
  m_pChannelCommands->Record(before, after);
  m_pDoc->SetModifiedFlag();
}

void CProgramView::ShowImage() {
  WriteTable(TableFromImage(m_pDoc->image, CurrentLanguage()));
  SyncProduct();
}

void CProgramView::RefreshFromImage() {
  ShowImage();
  m_pDoc->SetModifiedFlag(false);
  m_pChannelCommands->ResetHistory();
}

void CProgramView::TakeRead(const RadioImage& read) {
  const ChannelTable tableBefore = Table();
  const RadioImage imageBefore = m_pDoc->image;
  m_pDoc->image = read;
  ShowImage();
  m_pChannelCommands->RecordRead(tableBefore, Table(), imageBefore, m_pDoc->image);
}

void CProgramView::SyncProduct() {
  RadioImage& image = m_pDoc->image;
  // A new document shows the radio type and band used last; any other
  // records its own as the last used.
  if (g_bNewDocument) {
    image[ImageMap::kProductType] = static_cast<std::uint8_t>(ReadUserNumber("Type", 0));
    image[ImageMap::kProductBand] = static_cast<std::uint8_t>(ReadUserNumber("Field", 0));
  } else {
    WriteUserNumber("Type", image.productType());
    WriteUserNumber("Field", image.productBand());
  }
  ShowProduct(ProductTextsOfImage(g_profile, image));
}

void CProgramView::ShowProduct(const ProductTexts& product) {
  const std::string appTitle = g_profile.GetString(g_strLanguage, "AppName", "");
  window()->setWindowTitle(FromStd(ProductCaption(appTitle, product, CurrentLanguage())));
  m_strBand = product.band;
  m_bandLimits = BandLimitsFromText(product.band);
}

void CProgramView::StoreToImage() { StoreTableToImage(Table(), m_pDoc->image); }

bool CProgramView::HandlesCommand(int command) const {
  return command == Cmd::kLanguage || CLinkCommands::Handles(command);
}

bool CProgramView::OnCommand(int command) {
  if (CLinkCommands::Handles(command)) {
    m_linkCommands.OnCommand(command);
    return true;
  }
  if (command != Cmd::kLanguage) return false;
  OnLanguage();
  return true;
}

void CProgramView::OnLanguage() {
  if (m_dlgLanguage.DoModal() == QDialog::Accepted && m_dlgLanguage.m_bChanged) FrameServices().RestartProgram();
}

void CProgramView::contextMenuEvent(QContextMenuEvent* event) {
  // From the grid, its headers and its editors alike; from the keyboard, at
  // the current cell.
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
  PopUpContextMenu(keyboard ? CurrentCellCorner() : event->globalPos(), keyboard);
  event->accept();
}

void CProgramView::PopUpContextMenu(const QPoint& globalPos, bool fromKeyboard) {
  QMenu* menu = m_pChannelCommands->ContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
  if (!fromKeyboard) return;
  // Once the menu is up: the window it opens over is told active again as
  // it opens, which a screen reader would say over the item.
  QMetaObject::invokeMethod(
      menu,
      [menu] {
        for (QAction* action : menu->actions())
          if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
            menu->setActiveAction(action);
            return;
          }
      },
      Qt::QueuedConnection);
}

QPoint CProgramView::CurrentCellCorner() const {
  // The bottom left corner of the current cell, where the menu does not hide it.
  const QPoint corner(TwipsToPixels(m_pGrid->GetCellLeft(), m_pGrid->DpiX()),
                      TwipsToPixels(m_pGrid->GetCellTop() + m_pGrid->GetCellHeight(), m_pGrid->DpiY()));
  return m_pGrid->mapToGlobal(corner);
}

void CProgramView::keyPressEvent(QKeyEvent* event) {
  // The grid and its editors asked for help in eventFilter already. F1 stops
  // here, so the main window does not ask a second time.
  if (event->key() == Qt::Key_F1) {
    QWidget* focus = QApplication::focusWidget();
    if (focus != m_pGrid && !m_pGrid->isAncestorOf(focus)) FrameServices().ShowHelpForFocus();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}
