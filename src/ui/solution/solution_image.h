#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace uc {

// One row of the shared solution image, as the step cell shows it.
struct SolutionImageRow {
  QString title;
  bool boldTitle = false;
  QString latex;    // display form; empty for message rows
  QString message;  // drawn instead of the formula when present
};

struct SolutionImageStyle {
  qreal scale = 2;         // device pixels per layout pixel, so that the image reads sharply
  int minimumWidth = 480;  // layout pixels
  qreal titlePixelSize = 14;
  qreal formulaPixelSize = 20;
  qreal messagePixelSize = 16;
  QColor background = Qt::white;
  QColor text = Qt::black;
  QColor separator = QColor(209, 209, 214);
};

// One image per row, in order, each as wide as its content (at least the minimum width).
QList<QImage> renderSolutionRows(const QList<SolutionImageRow>& rows,
                                 const SolutionImageStyle& style);

// The images one below the other: as wide as the widest, as high as all together, narrower
// ones padded with the background. No images give a null image.
QImage stitchVertically(const QList<QImage>& images, const QColor& background);

}  // namespace uc
