#include "ui/print/print_style.h"

namespace uc::print {

QPageSize pageSize(Paper paper) {
  return QPageSize(paper == Paper::letter ? QPageSize::Letter : QPageSize::A4);
}

QFont textFont(double points, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setStyleStrategy(QFont::PreferNoShaping);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace uc::print
