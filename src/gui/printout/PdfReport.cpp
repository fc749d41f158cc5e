#include "gui/printout/PdfReport.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "gui/printout/PrintoutPainter.h"

QPageLayout DefaultReportLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                     QPageLayout::Millimeter);
}

QByteArray PrintoutPdf(const PrintoutSource& source, const QPageLayout& layout, const QString& title,
                       const QPageRanges& ranges, int copies) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setPageRanges(ranges);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("programcli"));
    if (!DrawPrintout(writer, source, copies)) return {};
  }
  return bytes;
}
