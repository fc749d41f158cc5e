#include "gui/shell/UiHooks.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSpacerItem>
#include <QTreeView>

#include "core/files/TypedFileName.h"
#include "gui/shell/AppContext.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/WindowTexts.h"

namespace {
CAppContext::HookSet& Hooks() { return AppContext().Hooks(); }

// Qt's own file dialog gives its columns fixed widths, which cut long names
// and dates: once the folder is read, each column takes its contents' width
// and the dialog grows to show them, within the screen.
void ShowNamesWhole(QFileDialog& dialog) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  auto* view = dialog.findChild<QTreeView*>();
  if (model == nullptr || view == nullptr) return;
  QObject::connect(model, &QFileSystemModel::directoryLoaded, view, [&dialog, view] {
    int wanted = 2 * view->frameWidth() + view->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < view->header()->count(); ++c) {
      if (view->isColumnHidden(c)) continue;
      view->resizeColumnToContents(c);
      wanted += view->columnWidth(c);
    }
    const int missing = wanted - view->viewport()->width();
    if (missing <= 0) return;
    const int room = dialog.screen()->availableGeometry().width() * 9 / 10;
    dialog.resize(std::min(dialog.width() + missing, std::max(room, dialog.width())), dialog.height());
  });
}

// The name as typed goes to AskFileName's rules: an Open dialog would
// refuse "foo" that stands for "foo.dat", and a Save As dialog would ask
// about replacing "foo" while "foo.dat" is written. Names are shown whole,
// a backup's date and port included.
QString RunFileDialog(QWidget* parent, const FileDialogRequest& request, int* filter) {
  if (const FileNameHook& hook = Hooks().fileName) return hook(request, filter);
  QFileDialog dialog(parent, request.caption, request.proposed, request.filters.join(QStringLiteral(";;")));
  dialog.setAcceptMode(request.saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.filters.isEmpty()) dialog.selectNameFilter(request.filters.front());
  ShowNamesWhole(dialog);
  if (dialog.exec() != QDialog::Accepted) return QString();
  *filter = std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())));
  return dialog.selectedFiles().value(0);
}

QString& Caption() { return AppContext().m_strMessageBoxCaption; }

// A short text makes a narrow box, and the window manager then cuts the
// caption (the company name) to "...": widen the box to hold it, with room
// for the title bar's buttons.
void KeepCaptionWhole(QMessageBox& box) {
  auto* layout = qobject_cast<QGridLayout*>(box.layout());
  if (layout == nullptr) return;
  QFont title = box.font();
  title.setBold(true);
  const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + 4 * QFontMetrics(title).height() + 40;
  layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), layout->rowCount(), 0, 1,
                  layout->columnCount());
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hooks().messageBox = std::move(hook); }
void SetModalHook(ModalHook hook) { Hooks().modal = std::move(hook); }
void SetStartProgramHook(StartProgramHook hook) { Hooks().startProgram = std::move(hook); }
void SetFileNameHook(FileNameHook hook) { Hooks().fileName = std::move(hook); }

void SetMessageBoxCaption(const QString& caption) { Caption() = caption; }
QString MessageBoxCaption() { return Caption(); }

QMessageBox::StandardButton ProgramMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons, QMessageBox::Icon icon,
                                              const QString& caption, QMessageBox::StandardButton defaultButton) {
  const MessageRequest request{parent, caption.isEmpty() ? Caption() : caption, text, buttons, icon, defaultButton};
  if (const MessageBoxHook& hook = Hooks().messageBox) return hook(request);
  QMessageBox box(icon, request.caption, text, buttons, parent);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  const struct {
    QMessageBox::StandardButton button;
    const LangText& text;
  } labels[] = {{QMessageBox::Ok, kOkButton},
                {QMessageBox::Cancel, kCancelButton},
                {QMessageBox::Yes, kYesButton},
                {QMessageBox::No, kNoButton},
                // Save is only ever asked as saving over another program's change.
                {QMessageBox::Save, kOverwriteButton}};
  for (const auto& label : labels)
    if (QAbstractButton* button = box.button(label.button)) button->setText(LangString(label.text));
  KeepCaptionWhole(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

int RunModal(QDialog& dialog) {
  if (const ModalHook& hook = Hooks().modal) return hook(dialog);
  return dialog.exec();
}

bool StartProgram(const QString& program) {
  if (const StartProgramHook& hook = Hooks().startProgram) return hook(program);
  return QProcess::startDetached(program, {});
}

QString AskFileName(QWidget* parent, const FileDialogRequest& request, int* chosen) {
  int filter = 0;
  FileDialogRequest ask = request;
  const std::string extension = ToStd(request.extension);
  for (;;) {
    const QString typed = RunFileDialog(parent, ask, &filter);
    if (typed.isEmpty()) return QString();
    if (chosen != nullptr) *chosen = filter;
    if (!request.saving) return FromStd(OpenedFileName(ToStd(typed), extension));
    const QString path = FromStd(WithDefaultExtension(ToStd(typed), extension));
    if (!SaveReplacesFile(ToStd(path)) ||
        ProgramMessageBox(parent, LangString(kReplaceQuestion).arg(path), QMessageBox::Yes | QMessageBox::No,
                          QMessageBox::Warning, QString(), QMessageBox::No) == QMessageBox::Yes)
      return path;
    ask.proposed = path;
  }
}
