#include "gui/print/PrintCommands.h"

#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/files/DataFileMessage.h"
#include "core/files/ProgramDoc.h"
#include "core/lang/Language.h"
#include "core/profile/ProfileFile.h"
#include "core/shell/ResourceIds.h"
#include "gui/printout/PdfReport.h"
#include "gui/printout/PrintoutPainter.h"
#include "gui/shell/AppGlobals.h"
#include "gui/shell/ChannelWindow.h"
#include "gui/shell/CurrentLanguage.h"
#include "gui/shell/ResourceText.h"
#include "gui/shell/UiHooks.h"
#include "gui/shell/WindowTexts.h"

namespace {

// Every dialog starts from all pages, whatever an earlier one chose.
void OfferAllPages(QPrinter& printer, int pages) {
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
  printer.setFromTo(1, pages);
}

// "Print to File": Qt would write the PDF itself onto whatever the name
// holds, a device or a FIFO included. The preview paints on a picture engine
// whatever file name the printer keeps.
bool PrintsToFile(QPrinter& printer) {
  return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty() &&
         printer.paintEngine() != nullptr && printer.paintEngine()->type() != QPaintEngine::Picture;
}

// The PDF goes through the one save function, as every file the program writes.
void SaveToFile(QWidget* parent, QPrinter& printer, const PrintoutSource& source, int copies) {
  const QByteArray pdf = PrintoutPdf(source, printer.pageLayout(), printer.docName(), printer.pageRanges(), copies);
  if (pdf.isEmpty()) {
    ProgramMessageBox(parent, QString::fromUtf8(kPrintFailed(CurrentLanguage())), QMessageBox::Ok,
                      QMessageBox::Warning);
    return;
  }
  const std::string path = printer.outputFileName().toStdString();
  const int err = SafeFileWrite(path, pdf.constData(), static_cast<std::size_t>(pdf.size()));
  if (err == 0) return;
  const DataFileResult failed{DataFileStatus::CannotWrite, err};
  ProgramMessageBox(parent, FromStd(DataFileFailureMessage(failed, path, true, CurrentLanguage())), QMessageBox::Ok,
                    QMessageBox::Warning);
}

void Draw(QWidget* parent, QPrinter& printer, const PrintoutSource& source) {
  if (printer.printRange() != QPrinter::PageRange) printer.setPageRanges(QPageRanges());
  const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
  if (PrintsToFile(printer)) {
    SaveToFile(parent, printer, source, copies);
    return;
  }
  if (!DrawPrintout(printer, source, copies))
    ProgramMessageBox(parent, QString::fromUtf8(kPrintFailed(CurrentLanguage())), QMessageBox::Ok,
                      QMessageBox::Warning);
}

}  // namespace

CPrintCommands::CPrintCommands() = default;
CPrintCommands::~CPrintCommands() = default;

QPrinter& CPrintCommands::Printer() {
  if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *m_pPrinter;
}

void CPrintCommands::OnFilePrintSetup(QWidget* parent) {
  QPageSetupDialog dialog(&Printer(), parent);
  RunModal(dialog);
}

void CPrintCommands::OnFilePrint(QWidget* parent, const PrintoutSource& source) {
  QPrinter& printer = Printer();
  const int pages = CountChannelPages(source.table).PrintoutPages();
  OfferAllPages(printer, pages);
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, pages);
  if (RunModal(dialog) != QDialog::Accepted) return;
  Draw(parent, printer, source);
}

void CPrintCommands::OnFilePrintPreview(QWidget* parent, const PrintoutSource& source) {
  QPrinter& printer = Printer();
  OfferAllPages(printer, CountChannelPages(source.table).PrintoutPages());
  QPrintPreviewDialog dialog(&printer, parent);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [parent, &source](QPrinter* target) { Draw(parent, *target, source); });
  RunModal(dialog);
}

PrintoutSource ChannelWindowPrintout(const CChannelWindow& window) {
  PrintoutSource source;
  source.image = window.GetDocument()->image;
  source.language = CurrentLanguage();
  source.table = window.Table();
  source.owner = PrintoutOwner(g_profile, g_strLanguage);
  return source;
}
