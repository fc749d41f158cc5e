#pragma once
// The printout as a PDF document, for a report without a printer or a window.
#include <QByteArray>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>

#include "core/print/PrintoutPage.h"

// A4 with 10 mm margins: a report that prints on any office printer.
QPageLayout DefaultReportLayout();

// The pages of the printout that `ranges` names (all when empty), `copies`
// times over; empty when the PDF could not be made.
QByteArray PrintoutPdf(const PrintoutSource& source, const QPageLayout& layout, const QString& title,
                       const QPageRanges& ranges = {}, int copies = 1);
