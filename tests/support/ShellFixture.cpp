#include "support/ShellFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidgetItem>
#include <QUrl>
#include <cstdlib>
#include <filesystem>

#include "gui/app/HtmlHelp.h"
#include "gui/app/MainFrame.h"
#include "gui/app/ProgramApp.h"
#include "gui/widgets/ControlId.h"

std::string MakeProfile(const std::string& language, const std::string& extraSetup, const std::string& englishCompany,
                        const std::string& chineseCompany) {
  return "[Setup]\nLanguage=" + language + "\n" + extraSetup +
         "AppName=QuillmoorProgrammer\nType1=QR-160\nField1=136-174MHz\n"
         "[English]\nCompany=" +
         englishCompany +
         "\nAbout Title=About Quillmoor\nVersion=Version 1.0\nCopyrights=Copyright 2026\n"
         "Copyrights Owner=Quillmoor Radio Works\nAppName=Quillmoor Programmer\n"
         "[Chinese]\nCompany=" +
         chineseCompany +
         "\nAbout Title=关于奎尔摩\nVersion=1.0 版\nCopyrights=版权所有 2026\n"
         "Copyrights Owner=奎尔摩无线电\nAppName=奎尔摩写频软件\n";
}

std::string BuildProgramFolder() {
  const char* bin = std::getenv("PROGRAM_BIN_DIR");
  return bin != nullptr ? std::string(bin) + "/" : std::string("./");
}

void ShellFixture::CopyFromBuild(const std::string& name, const std::string& as) const {
  std::filesystem::copy_file(BuildProgramFolder() + name, m_dir.file(as),
                             std::filesystem::copy_options::overwrite_existing);
}

void ShellFixture::Remove(const std::string& name) const { std::filesystem::remove(m_dir.file(name)); }

ShellFixture::ShellFixture(const std::string& profile) {
  for (const char* file : {"English.qm", "Chinese.qm", "enHelp.html", "chHelp.html"}) CopyFromBuild(file, file);
  if (!profile.empty()) m_dir.Write("Program.ini", profile);
  std::filesystem::create_directory(m_dir.file("config"));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_dir.file("config")));
  // Backups, traces and recovery copies of each test stay in its own folder.
  qputenv("XDG_DATA_HOME", QByteArray::fromStdString(m_dir.file("data")));
  qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(m_dir.file("cache")));
  qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("state")));
  // QSettings reads the folder once per process; each test has its own.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(m_dir.file("config")));

  m_state.StartAfresh();

  SetMessageBoxHook([this](const MessageRequest& request) {
    messages.push_back(request);
    return answer;
  });
  SetModalHook([this](QDialog& dialog) {
    ++modalCount;
    if (modal) return modal(dialog);
    dialog.reject();
    return static_cast<int>(QDialog::Rejected);
  });
  SetStartProgramHook([this](const QString& program) {
    started.push_back(program);
    return true;
  });
  SetHtmlHelpSink([this](QWidget*, const std::string& file, unsigned command, std::uint32_t data) -> QWidget* {
    help.push_back({file, command, data});
    return nullptr;
  });
  SetFileNameHook([this](const FileDialogRequest& request, int* filter) {
    proposedNames.push_back(request.proposed);
    fileCaptions.push_back(request.caption);
    *filter = filterChoice;
    if (fileNames.empty()) return QString();
    const QString name = fileNames.front();
    fileNames.erase(fileNames.begin());
    return name;
  });
  QApplication::setQuitOnLastWindowClosed(false);
  m_pApp = std::make_unique<CProgramApp>();
}

ShellFixture::~ShellFixture() {
  m_pApp->ExitInstance();
  m_pApp.reset();
}

bool ShellFixture::Start(const QStringList& arguments) {
  std::vector<std::string> bytes;
  for (const QString& argument : arguments) bytes.push_back(argument.toStdString());
  return StartWithBytes(bytes);
}

bool ShellFixture::StartWithBytes(const std::vector<std::string>& arguments) {
  return m_pApp->InitInstance(Folder(), arguments);
}

bool ShellFixture::Restart(const QStringList& arguments) {
  m_pApp->ExitInstance();
  m_pApp.reset();
  m_state.StartAfresh();
  m_pApp = std::make_unique<CProgramApp>();
  return Start(arguments);
}

CMainFrame* ShellFixture::Frame() const { return m_pApp->MainFrame(); }

std::vector<int> MenuCommands(const QMenu* menu) {
  std::vector<int> commands;
  for (const QAction* action : menu->actions())
    if (!action->isSeparator()) commands.push_back(CMainFrame::CommandOf(action));
  return commands;
}

QAction* FindCommand(const QMenu* menu, int command) {
  for (QAction* action : menu->actions())
    if (CMainFrame::CommandOf(action) == command) return action;
  return nullptr;
}

QPushButton* DialogButton(const QDialog& dialog, int id) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (ControlId(button) == id) return button;
  return nullptr;
}

QStringList ChildTexts(const QTreeWidgetItem* item) {
  QStringList texts;
  for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
  return texts;
}

bool DropFile(QWidget* window, const QString& path) { return DropUrl(window, QUrl::fromLocalFile(path)); }

bool DropUrl(QWidget* window, const QUrl& url) {
  QMimeData data;
  data.setUrls({url});
  QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
  return true;
}
