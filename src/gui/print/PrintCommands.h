#pragma once
// The frame's Print (Ctrl+P), Print Preview and Print Setup. One printer
// set-up serves all three for the whole run, as the page set-up dialog leaves
// it; the pages come from the page plan and the drawing code that programcli
// uses for its PDF.
#include <memory>

#include "core/print/PrintoutPage.h"

class CChannelWindow;
class QPrinter;
class QWidget;

class CPrintCommands {
 public:
  CPrintCommands();
  ~CPrintCommands();
  CPrintCommands(const CPrintCommands&) = delete;
  CPrintCommands& operator=(const CPrintCommands&) = delete;

  // Print Setup: paper, orientation and margins of the shared printer.
  void OnFilePrintSetup(QWidget* parent);
  // Print: the print dialog offers pages 1 to the printout's last and prints
  // the pages and copies chosen there (Qt's "Print to File" writes a PDF).
  void OnFilePrint(QWidget* parent, const PrintoutSource& source);
  // Print Preview: the pages on screen, printable from the preview.
  void OnFilePrintPreview(QWidget* parent, const PrintoutSource& source);

  // Created at first use: looking for printers takes a moment.
  QPrinter& Printer();

 private:
  std::unique_ptr<QPrinter> m_pPrinter;
};

// What a channel window prints: its document's image and its channel
// table's texts (edits not yet stored included), the owner text and the
// language of this run.
PrintoutSource ChannelWindowPrintout(const CChannelWindow& window);
