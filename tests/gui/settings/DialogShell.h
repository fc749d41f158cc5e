#pragma once
// The program running with one channel window, for driving the option and
// service dialogs: each dialog is shown for real (focus and key handling
// need a window), worked by the test, and its result returned.
#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTest>
#include <functional>

#include "core/files/ProgramDoc.h"
#include "gui/app/MainFrame.h"
#include "gui/editor/ProgramView.h"
#include "gui/editor/ViewProfile.h"
#include "gui/widgets/ControlId.h"
#include "support/ShellFixture.h"

struct DialogShell {
  explicit DialogShell(const std::string& language) : shell(ViewProfile(language)) {}

  bool Start() {
    if (!shell.Start()) return false;
    view = shell.Frame()->ActiveView();
    return view != nullptr;
  }
  CProgramDoc& Doc() const { return *view->GetDocument(); }
  RadioImage& Image() const { return Doc().image; }

  // Runs `command`; its dialog is shown, given to `work`, and closed by it.
  template <class Dialog>
  int Run(int command, const std::function<void(Dialog&)>& work) {
    int result = -1;
    shell.modal = [&](QDialog& dialog) {
      auto* typed = qobject_cast<Dialog*>(&dialog);
      if (typed == nullptr) return static_cast<int>(QDialog::Rejected);
      dialog.show();
      dialog.activateWindow();
      if (!QTest::qWaitForWindowActive(&dialog)) return static_cast<int>(QDialog::Rejected);
      work(*typed);
      dialog.hide();
      return result = dialog.result();
    };
    shell.Frame()->OnCommand(command);
    return result;
  }

  ShellFixture shell;
  CProgramView* view = nullptr;
};

// The bytes that differ, as "0391=EB", in offset order.
inline QStringList ChangedBytes(const RadioImage& before, const RadioImage& after) {
  QStringList changed;
  for (std::size_t a = 0; a < RadioImage::size(); ++a)
    if (before[a] != after[a])
      changed
          << QStringLiteral("%1=%2").arg(a, 4, 16, QLatin1Char('0')).arg(after[a], 2, 16, QLatin1Char('0')).toUpper();
  return changed;
}

// The child of `dialog` with a control id.
template <class Widget>
Widget* Control(const QDialog& dialog, int id) {
  for (Widget* widget : dialog.findChildren<Widget*>())
    if (ControlId(widget) == id && widget->property("controlId").isValid()) return widget;
  return nullptr;
}
