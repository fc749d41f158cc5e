#pragma once
// Draws the printout's pages on any paged device: a printer, the preview's
// printer, a PDF writer. Each page takes its measures from the device afresh.
#include <QFont>

#include "core/print/PrintGeometry.h"
#include "core/print/PrintoutPage.h"

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// "Times New Roman" as asked for, with a metric-compatible stand-in and CJK
// faces for Chinese text after it; `size` sets the character cell height and
// the average character width, in the painter's units (twips).
QFont PrintoutFont(const FontSize& size, const QPaintDevice& device);

// One page on the device's current page; the painter is active on `device`.
void DrawPrintoutPage(QPainter& painter, const QPaintDevice& device, const PrintoutSource& source, int page);

// The pages the device asks for (its page ranges; all pages when it names
// none), each on a device page of its own, `copies` times over. False when
// the painter could not be begun on the device or the output failed.
bool DrawPrintout(QPagedPaintDevice& device, const PrintoutSource& source, int copies = 1);
