#include "app/UiHooks.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QProcess>
#include <QSpacerItem>

#include "app/ResourceText.h"

namespace {
const LangText kOk{"OK", "确定"};
const LangText kCancel{"Cancel", "取消"};
const LangText kYes{"&Yes", "是(&Y)"};
const LangText kNo{"&No", "否(&N)"};

MessageBoxHook& MessageHook() {
  static MessageBoxHook hook;
  return hook;
}
ModalHook& DialogHook() {
  static ModalHook hook;
  return hook;
}
StartProgramHook& StartHook() {
  static StartProgramHook hook;
  return hook;
}
FileNameHook& FileHook() {
  static FileNameHook hook;
  return hook;
}
FileFilterHook& FilterHook() {
  static FileFilterHook hook;
  return hook;
}
QString& Caption() {
  static QString caption = QStringLiteral("Program");
  return caption;
}
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

void SetMessageBoxHook(MessageBoxHook hook) { MessageHook() = std::move(hook); }
void SetModalHook(ModalHook hook) { DialogHook() = std::move(hook); }
void SetStartProgramHook(StartProgramHook hook) { StartHook() = std::move(hook); }
void SetFileNameHook(FileNameHook hook) { FileHook() = std::move(hook); }
void SetFileFilterHook(FileFilterHook hook) { FilterHook() = std::move(hook); }

void SetMessageBoxCaption(const QString& caption) { Caption() = caption; }
QString MessageBoxCaption() { return Caption(); }

QMessageBox::StandardButton ProgramMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::Icon icon, const QString& caption) {
  const MessageRequest request{parent, caption.isEmpty() ? Caption() : caption, text, buttons, icon};
  if (MessageHook()) return MessageHook()(request);
  QMessageBox box(icon, request.caption, text, buttons, parent);
  const struct {
    QMessageBox::StandardButton button;
    const LangText& text;
  } labels[] = {{QMessageBox::Ok, kOk}, {QMessageBox::Cancel, kCancel}, {QMessageBox::Yes, kYes}, {QMessageBox::No, kNo}};
  for (const auto& label : labels)
    if (QAbstractButton* button = box.button(label.button)) button->setText(LangString(label.text));
  KeepCaptionWhole(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

int RunModal(QDialog& dialog) {
  if (DialogHook()) return DialogHook()(dialog);
  return dialog.exec();
}

bool StartProgram(const QString& program) {
  if (StartHook()) return StartHook()(program);
  return QProcess::startDetached(program, {});
}

QString AskFileName(QWidget* parent, bool saving, const QString& proposed, const QString& filter,
                    const QString& caption) {
  if (FileHook()) return FileHook()(saving, proposed, filter);
  return saving ? QFileDialog::getSaveFileName(parent, caption, proposed, filter)
                : QFileDialog::getOpenFileName(parent, caption, proposed, filter);
}

QString AskFileName(QWidget* parent, bool saving, const QString& proposed, const QStringList& filters, int* chosen) {
  const QString joined = filters.join(QStringLiteral(";;"));
  if (FileHook()) {
    if (chosen != nullptr) *chosen = FilterHook() ? FilterHook()(filters) : 0;
    return FileHook()(saving, proposed, joined);
  }
  QString selected = filters.value(0);
  const QString path = saving ? QFileDialog::getSaveFileName(parent, QString(), proposed, joined, &selected)
                              : QFileDialog::getOpenFileName(parent, QString(), proposed, joined, &selected);
  if (chosen != nullptr) *chosen = std::max(0, static_cast<int>(filters.indexOf(selected)));
  return path;
}
