#include "ui/print/pdf_file.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>

namespace uc::print {
namespace {

constexpr double kPageNumberSize = 9.5;

}  // namespace

std::optional<QString> writePdfFile(const QString& path, Paper paper, const QString& title,
                                    const PdfLayOut& layOut, const PdfPagePainter& paintPage) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
  const auto removeHalfWritten = [&file] {
    file.close();
    if (QFileInfo(file).isFile()) file.remove();
  };
  {
    QPdfWriter writer(&file);
    writer.setResolution(kResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("unitcircle"));
    writer.setPageLayout(
        QPageLayout(pageSize(paper), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const int pageCount = layOut(writer);

    QPainter painter;
    if (!painter.begin(&writer)) {
      removeHalfWritten();
      return QStringLiteral("PDF");
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int page = 0; page < pageCount; ++page) {
      if (page > 0) writer.newPage();
      paintPage(painter, page, pageCount);
    }
    painter.end();
  }
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    const QString reason = file.errorString();
    removeHalfWritten();
    return reason;
  }
  file.close();
  return std::nullopt;
}

void paintPageNumber(QPainter& painter, int page, int pageCount, QPointF centre) {
  const QString number = QStringLiteral("%1 / %2").arg(page + 1).arg(pageCount);
  const QFont font = textFont(kPageNumberSize);
  painter.setFont(font);
  painter.setPen(kQuiet);
  const QFontMetricsF metrics(font, painter.device());
  painter.drawText(QPointF(centre.x() - metrics.horizontalAdvance(number) / 2, centre.y()), number);
}

}  // namespace uc::print
