#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

#include "ui/print/print_style.h"

namespace uc::print {

// Lays the pages out on the writer before anything is drawn, so that every page knows how
// many there are; returns that count.
using PdfLayOut = std::function<int(QPdfWriter& writer)>;
// Paints one page (from 0) of the count laid out.
using PdfPagePainter = std::function<void(QPainter& painter, int page, int pageCount)>;

// Writes a PDF to path: paper, title and the unitcircle creator set, pages laid out and then
// painted one by one. Returns the reason when the file cannot be written; a file left half
// written is removed, while a device such as /dev/full stays where it is.
std::optional<QString> writePdfFile(const QString& path, Paper paper, const QString& title,
                                    const PdfLayOut& layOut, const PdfPagePainter& paintPage);

// "n / N" centred on centre's x, on its baseline, in the quiet note type of printed pages.
void paintPageNumber(QPainter& painter, int page, int pageCount, QPointF centre);

}  // namespace uc::print
