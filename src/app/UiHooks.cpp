#include "app/UiHooks.h"

#include <QDialog>
#include <QFileDialog>
#include <QAbstractButton>
#include <QProcess>

#include "app/ResourceText.h"

namespace {
const LangText kOk{"OK", "确定"};
const LangText kCancel{"Cancel", "取消"};

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
QString& Caption() {
  static QString caption = QStringLiteral("Program");
  return caption;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { MessageHook() = std::move(hook); }
void SetModalHook(ModalHook hook) { DialogHook() = std::move(hook); }
void SetStartProgramHook(StartProgramHook hook) { StartHook() = std::move(hook); }
void SetFileNameHook(FileNameHook hook) { FileHook() = std::move(hook); }

void SetMessageBoxCaption(const QString& caption) { Caption() = caption; }
QString MessageBoxCaption() { return Caption(); }

QMessageBox::StandardButton ProgramMessageBox(QWidget* parent, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::Icon icon) {
  const MessageRequest request{parent, Caption(), text, buttons, icon};
  if (MessageHook()) return MessageHook()(request);
  QMessageBox box(icon, request.caption, text, buttons, parent);
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(LangString(kOk));
  if (QAbstractButton* cancel = box.button(QMessageBox::Cancel)) cancel->setText(LangString(kCancel));
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

QString AskFileName(QWidget* parent, bool saving, const QString& proposed, const QString& filter) {
  if (FileHook()) return FileHook()(saving, proposed, filter);
  return saving ? QFileDialog::getSaveFileName(parent, QString(), proposed, filter)
                : QFileDialog::getOpenFileName(parent, QString(), proposed, filter);
}
