// Times a full Read and a normal Write driven through the channel window's
// own commands (progress window, link off the GUI thread, table refreshed
// after a Read) against the simulated radio paced at 9600 baud. The window
// runs on Qt's offscreen platform in a program folder of its own, so the
// user's settings and backups are never touched.
#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include <stdlib.h>

#include "TransferBench.h"
#include "core/shell/ResourceIds.h"
#include "gui/app/MainFrame.h"
#include "gui/app/ProgramApp.h"
#include "gui/editor/ProgressDlg.h"
#include "gui/shell/TransferRunner.h"
#include "gui/shell/UiHooks.h"

namespace {

// The program, started on the first transfer once the radio's device is known.
struct Program {
  std::filesystem::path folder;
  std::unique_ptr<CProgramApp> app;
  int failures = 0;

  bool Start(const std::string& device) {
    char name[] = "/tmp/bench-view-transfer.XXXXXX";
    if (::mkdtemp(name) == nullptr) return false;
    folder = name;
    std::filesystem::create_directories(folder / "config");
    std::filesystem::copy_file(std::filesystem::path(PROGRAM_BIN_DIR) / "English.qm", folder / "English.qm",
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(folder / "Program.ini") << "[Setup]\nLanguage=English\nAppName=BenchProgrammer\n"
                                             "Type1=QR-160\nField1=136-174MHz\n[English]\nAppName=Bench\n"
                                             "[Ports]\nCOM1="
                                          << device << "\n";
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString((folder / "config").string()));
    // The backup of every Read stays in the bench's folder too.
    ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (folder / "cache").c_str(), 1);
    SetMessageBoxHook([this](const MessageRequest& request) {
      std::fprintf(stderr, "message: %s\n", request.text.toLocal8Bit().constData());
      ++failures;
      return QMessageBox::Ok;
    });
    app = std::make_unique<CProgramApp>();
    return app->InitInstance(folder.string() + "/", {});
  }

  ~Program() {
    if (app) app->ExitInstance();
    app.reset();
    SetMessageBoxHook({});
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder, ec);
  }

  CProgressDlg* Progress() const {
    for (CProgressDlg* dialog : app->MainFrame()->findChildren<CProgressDlg*>())
      if (dialog->isVisible()) return dialog;
    return nullptr;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  Program program;
  const char* title = "Read and Write through the channel window (OK to table refreshed), 9600 baud:";
  return bench::RunTransferBench(
      argc, argv, "bench_view_transfer", title, [&](const std::string& device, Direction direction, bool& ok) {
        ok = false;
        if (!program.app && !program.Start(device)) return 0.0;
        const int failures = program.failures;
        program.app->MainFrame()->OnCommand(direction == Direction::Read ? Cmd::kRead : Cmd::kWrite);
        CProgressDlg* progress = program.Progress();
        if (progress == nullptr) return 0.0;
        const auto start = std::chrono::steady_clock::now();
        progress->OkButton()->click();
        while (CTransferRunner::AnyRunning() || program.Progress() != nullptr)
          QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto end = std::chrono::steady_clock::now();
        ok = program.failures == failures;
        return std::chrono::duration<double>(end - start).count();
      });
}
