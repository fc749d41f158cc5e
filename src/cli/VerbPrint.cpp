// programcli print FILE.dat -o REPORT.pdf: the printout of a data file as a
// PDF, drawn by the same code as the window's printout, without a display.
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>
#include <optional>
#include <string>

#include "cli/CliArgs.h"
#include "cli/ExitStatus.h"
#include "cli/LinkVerbs.h"
#include "cli/Verb.h"
#include "cli/VerbFiles.h"
#include "core/files/ProgramDoc.h"
#include "core/files/SafeFileWrite.h"
#include "core/profile/ProfileFile.h"
#include "core/radio/ChannelTable.h"
#include "gui/printout/PdfReport.h"

namespace {

// Qt's own notices (a missing runtime folder and the like) are no concern of
// someone asking for a report; real failures reach stderr as our messages.
void QuietQtNotices(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A GUI application on the offscreen platform, for fonts and painting without
// a display; only while the verb runs, and only when the process has none.
class COffscreenGui {
 public:
  COffscreenGui() : m_previous(qInstallMessageHandler(QuietQtNotices)) {
    if (QCoreApplication::instance() == nullptr) m_app.emplace(m_argc, m_argv);
  }
  ~COffscreenGui() {
    m_app.reset();
    qInstallMessageHandler(m_previous);
  }
  COffscreenGui(const COffscreenGui&) = delete;
  COffscreenGui& operator=(const COffscreenGui&) = delete;

 private:
  char m_name[11] = "programcli";
  char m_platformOption[10] = "-platform";
  char m_platform[10] = "offscreen";
  char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
  int m_argc = 3;
  QtMessageHandler m_previous;
  std::optional<QGuiApplication> m_app;
};

}  // namespace

int RunPrint(const Args& args) {
  CliArgs cli;
  std::string error;
  // The owner text may be empty: a page with no owner at its foot.
  if (!cli.Parse(args, {{"output", 'o', true}, {"lang", 0, true}, {"owner", 0, true, true}, {"help", 'h', false}},
                 error))
    return UsageError("print", error);
  if (cli.Has("help")) {
    return PrintVerbHelp("programcli print FILE.dat -o REPORT.pdf [--lang {languages}] [--owner TEXT]",
                         "Writes the printout of a data file as a PDF on A4 paper: page 1 the seven\n"
                         "options, then the channels in use, eight to a page, each page with the owner\n"
                         "text and its page number at the foot. Needs no display.",
                         "  -o, --output REPORT.pdf  the PDF to write (replaced if it exists)\n"
                         "  --lang {languages}   the language of the texts (default English)\n"
                         "  --owner TEXT             the owner text at the foot of each page (default\n"
                         "                           \"Copyrights Owner\" of the language's section of\n"
                         "                           Program.ini beside the program)\n"
                         "  -h, --help               this help\n");
  }
  Language language = Language::English;
  if (!ParseLangOption("print", cli.Value("lang", "English"), language)) return kExitUsage;
  if (cli.Positionals().empty()) return UsageError("print", "missing FILE.dat");
  if (cli.Positionals().size() > 1) return UsageError("print", "unexpected argument '" + cli.Positionals()[1] + "'");
  if (!cli.Has("output")) return UsageError("print", "missing -o REPORT.pdf");
  const std::string output = cli.Value("output");
  if (output.empty()) return UsageError("print", "the output file name is empty");

  const std::string& path = cli.Positionals().front();
  PrintoutSource source;
  int status = LoadDataFileForVerb("print", path, source.image);
  if (status == kExitOk) status = RefuseOutputOverInput("print", output, {path});
  if (status != kExitOk) return status;
  source.language = language;
  source.table = TableFromImage(source.image, language);
  if (cli.Has("owner")) {
    source.owner = cli.Value("owner");
  } else {
    CProfileFile profile;
    LoadProgramProfile(profile);
    source.owner = PrintoutOwner(profile, LanguageName(language));
  }

  QByteArray pdf;
  {
    COffscreenGui gui;
    pdf = PrintoutPdf(source, DefaultReportLayout(), QString::fromStdString(FileNameOfPath(path)));
  }
  if (pdf.isEmpty()) {
    std::fprintf(stderr, "programcli print: the PDF could not be made\n");
    return kExitFailure;
  }
  if (const int err = SafeFileWrite(output, pdf.constData(), static_cast<std::size_t>(pdf.size())); err != 0) {
    std::fprintf(stderr, "programcli print: cannot write '%s': %s\n", output.c_str(), FileErrorText(err).c_str());
    return kExitFileError;
  }
  return kExitOk;
}
