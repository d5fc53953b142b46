#include "ui/shell/icon.h"

#include <QHash>
#include <QPainter>
#include <algorithm>

namespace uc {
namespace {

// Paths from Google's Material Design icons (Apache License 2.0), in a 24 × 24 box.
const QHash<QString, QString>& iconPaths() {
  static const QHash<QString, QString> paths = {
      {QStringLiteral("menu"), QStringLiteral("M3 18h18v-2H3v2zm0-5h18v-2H3v2zm0-7v2h18V6H3z")},
      {QStringLiteral("backspace"),
       QStringLiteral("M22 3H7c-.69 0-1.23.35-1.59.88L0 12l5.41 8.11c.36.53.9.89 1.59.89h15c1.1 "
                      "0 2-.9 2-2V5c0-1.1-.9-2-2-2zm-3 12.59L17.59 17 14 13.41 10.41 17 9 15.59 "
                      "12.59 12 9 8.41 10.41 7 14 10.59 17.59 7 19 8.41 15.41 12 19 15.59z")},
      {QStringLiteral("check"),
       QStringLiteral("M9 16.17L4.83 12l-1.42 1.41L9 19 21 7l-1.41-1.41z")},
      {QStringLiteral("share"),
       QStringLiteral("M18 16.08c-.76 0-1.44.3-1.96.77L8.91 12.7c.05-.23.09-.46.09-.7s-.04-.47-"
                      ".09-.7l7.05-4.11c.54.5 1.25.81 2.04.81 1.66 0 3-1.34 3-3s-1.34-3-3-3-3 "
                      "1.34-3 3c0 .24.04.47.09.7L8.04 9.81C7.5 9.31 6.79 9 6 9c-1.66 0-3 1.34-3 "
                      "3s1.34 3 3 3c.79 0 1.5-.31 2.04-.81l7.12 4.16c-.05.21-.08.43-.08.65 0 "
                      "1.61 1.31 2.92 2.92 2.92 1.61 0 2.92-1.31 2.92-2.92s-1.31-2.92-2.92-2.92z")},
      // The pencil of "edit", without its arcs.
      {QStringLiteral("edit"),
       QStringLiteral("M3 17.25V21h3.75L17.81 9.94l-3.75-3.75L3 17.25zM20.71 7.04L16.96 3.29 "
                      "15.13 5.12l3.75 3.75 1.83-1.83z")},
      {QStringLiteral("delete"),
       QStringLiteral("M6 19c0 1.1.9 2 2 2h8c1.1 0 2-.9 2-2V7H6v12zM19 4h-3.5l-1-1h-5l-1 "
                      "1H5v2h14V4z")},
      // A sweep: three lines of a list and a cross.
      {QStringLiteral("clear"),
       QStringLiteral("M3 6h12v2H3V6zm0 5h12v2H3v-2zm0 5h8v2H3v-2zm11.41 4L13 18.59 15.59 16 "
                      "13 13.41 14.41 12 17 14.59 19.59 12 21 13.41 18.41 16 21 18.59 19.59 20 "
                      "17 17.41 14.41 20z")},
      {QStringLiteral("drag"), QStringLiteral("M20 9H4v2h16V9zM4 15h16v-2H4v2z")},
      {QStringLiteral("lock.fill"),
       QStringLiteral("M18 8h-1V6c0-2.76-2.24-5-5-5S7 3.24 7 6v2H6c-1.1 0-2 .9-2 2v10c0 1.1.9 2 2 "
                      "2h12c1.1 0 2-.9 2-2V10c0-1.1-.9-2-2-2zm-2.9 0H8.9V6c0-1.71 1.39-3.1 "
                      "3.1-3.1 1.71 0 3.1 1.39 3.1 3.1v2z")},
      {QStringLiteral("lock.open.fill"),
       QStringLiteral("M18 8h-1V6c0-2.76-2.24-5-5-5S7 3.24 7 6h1.9c0-1.71 1.39-3.1 3.1-3.1 1.71 0 "
                      "3.1 1.39 3.1 3.1v2H6c-1.1 0-2 .9-2 2v10c0 1.1.9 2 2 2h12c1.1 0 2-.9 "
                      "2-2V10c0-1.1-.9-2-2-2z")},
      {QStringLiteral("play"), QStringLiteral("M8 5v14l11-7z")},
      {QStringLiteral("help"),
       QStringLiteral(
           "M12 2C6.48 2 2 6.48 2 12s4.48 10 10 10 10-4.48 10-10S17.52 2 12 2zm1 "
           "17h-2v-2h2v2zm2.07-7.75l-.9.92C13.45 12.9 13 13.5 13 15h-2v-.5c0-1.1.45-2.1 "
           "1.17-2.83l1.24-1.26c.37-.36.59-.86.59-1.41 0-1.1-.9-2-2-2s-2 .9-2 2H8c0-2.21 "
           "1.79-4 4-4s4 1.79 4 4c0 .88-.36 1.68-.93 2.25z")},
      // A screen with a play symbol: help about the videos, unlike "help" for the solution.
      {QStringLiteral("videoHelp"),
       QStringLiteral("M21 3H3c-1.11 0-2 .89-2 2v12c0 1.1.89 2 2 2h5v2h8v-2h5c1.1 0 1.99-.9 "
                      "1.99-2L23 5c0-1.11-.9-2-2-2zm0 14H3V5h18v12zM16 11l-7 4V7z")},
      {QStringLiteral("close"),
       QStringLiteral("M19 6.41L17.59 5 12 10.59 6.41 5 5 6.41 10.59 12 5 17.59 6.41 19 12 13.41 "
                      "17.59 19 19 17.59 13.41 12z")},
      {QStringLiteral("videoOff"),
       QStringLiteral(
           "M21 6.5l-4 4V7c0-.55-.45-1-1-1H9.82L21 17.18V6.5zM3.27 2L2 3.27 4.73 6H4c-.55 "
           "0-1 .45-1 1v10c0 .55.45 1 1 1h12c.21 0 .39-.08.54-.18L19.73 21 21 19.73 "
           "3.27 2z")},
      {QStringLiteral("cloudOff"),
       QStringLiteral(
           "M19.35 10.04C18.67 6.59 15.64 4 12 4c-1.48 0-2.85.43-4.01 1.17l1.46 "
           "1.46C10.21 6.23 11.08 6 12 6c3.04 0 5.5 2.46 5.5 5.5v.5H19c1.66 0 3 1.34 3 "
           "3 0 1.13-.64 2.11-1.56 2.62l1.45 1.45C23.16 18.16 24 16.68 24 15c0-2.64-2.05-"
           "4.78-4.65-4.96zM3 5.27l2.75 2.74C2.56 8.15 0 10.77 0 14c0 3.31 2.69 6 6 "
           "6h11.73l2 2L21 20.73 4.27 4 3 5.27zM7.73 10l8 8H6c-2.21 0-4-1.79-4-4s1.79-4 "
           "4-4h1.73z")},
      // A clock face drawn as an octagon, with its hands.
      {QStringLiteral("history"),
       QStringLiteral("M12 3L18.36 5.64 21 12 18.36 18.36 12 21 5.64 18.36 3 12 5.64 5.64 12 "
                      "3zm0 2L7.05 7.05 5 12 7.05 16.95 12 19 16.95 16.95 19 12 16.95 7.05 12 "
                      "5zm-1 2h2v4.59l3.2 3.2-1.41 1.41L11 12.41V7z")},
      // A framed slide with a play symbol: presenting a solution.
      {QStringLiteral("present"),
       QStringLiteral("M10 8v8l5-4-5-4zm9-5H5c-1.1 0-2 .9-2 2v14c0 1.1.9 2 2 2h14c1.1 0 2-.9 "
                      "2-2V5c0-1.1-.9-2-2-2zm0 16H5V5h14v14z")},
      // A page marked "PDF" over the pages behind it: saving a printable file.
      {QStringLiteral("pdf"),
       QStringLiteral("M20 2H8c-1.1 0-2 .9-2 2v12c0 1.1.9 2 2 2h12c1.1 0 2-.9 2-2V4c0-1.1-.9-2-2-"
                      "2zm-8.5 7.5c0 .83-.67 1.5-1.5 1.5H9v2H7.5V7H10c.83 0 1.5.67 1.5 1.5v1zm5 "
                      "2c0 .83-.67 1.5-1.5 1.5h-2.5V7H15c.83 0 1.5.67 1.5 1.5v3zm4-3H19v1h1.5V11H19"
                      "v2h-1.5V7h3v1.5zM9 9.5h1v-1H9v1zM4 6H2v14c0 1.1.9 2 2 2h14v-2H4V6zm10 "
                      "5.5h1v-3h-1v3z")},
  };
  return paths;
}

class PathReader {
 public:
  explicit PathReader(const QString& data) : data_(data) {}

  bool atEnd() {
    skipSeparators();
    return pos_ >= data_.size();
  }
  bool nextIsNumber() {
    skipSeparators();
    if (pos_ >= data_.size()) return false;
    const QChar c = data_[pos_];
    return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
  }
  QChar command() { return data_[pos_++]; }
  // "-.5" and ".36.53" (two numbers) as SVG writes them; false when no number follows.
  bool number(qreal& value) {
    if (!nextIsNumber()) return false;
    const qsizetype start = pos_;
    if (data_[pos_] == u'-' || data_[pos_] == u'+') ++pos_;
    bool dot = false;
    while (pos_ < data_.size() && (data_[pos_].isDigit() || (data_[pos_] == u'.' && !dot))) {
      dot = dot || data_[pos_] == u'.';
      ++pos_;
    }
    bool ok = false;
    value = QStringView(data_).mid(start, pos_ - start).toDouble(&ok);
    return ok;
  }
  bool point(QPointF& p) {
    qreal x = 0;
    qreal y = 0;
    if (!number(x) || !number(y)) return false;
    p = {x, y};
    return true;
  }

 private:
  void skipSeparators() {
    while (pos_ < data_.size() && (data_[pos_].isSpace() || data_[pos_] == u',')) ++pos_;
  }

  const QString& data_;
  qsizetype pos_ = 0;
};

}  // namespace

QPainterPath svgPath(const QString& data) {
  QPainterPath path;
  PathReader reader(data);
  QPointF current;
  QPointF start;
  QPointF lastControl;
  QChar previous;
  while (!reader.atEnd()) {
    if (reader.nextIsNumber()) break;  // a number where a command belongs
    const QChar command = reader.command();
    const bool relative = command.isLower();
    const QChar upper = command.toUpper();
    const QPointF origin = relative ? current : QPointF();
    bool first = true;
    // A command repeats as long as numbers follow; a move continues as lines.
    do {
      const QPointF base = relative ? current : QPointF();
      QPointF p, c1, c2;
      qreal v = 0;
      if (upper == u'M') {
        if (!reader.point(p)) return path;
        if (first) {
          current = (relative ? origin : QPointF()) + p;
          start = current;
          path.moveTo(current);
        } else {
          current = base + p;
          path.lineTo(current);
        }
      } else if (upper == u'L') {
        if (!reader.point(p)) return path;
        current = base + p;
        path.lineTo(current);
      } else if (upper == u'H') {
        if (!reader.number(v)) return path;
        current.setX(relative ? current.x() + v : v);
        path.lineTo(current);
      } else if (upper == u'V') {
        if (!reader.number(v)) return path;
        current.setY(relative ? current.y() + v : v);
        path.lineTo(current);
      } else if (upper == u'C') {
        if (!reader.point(c1) || !reader.point(c2) || !reader.point(p)) return path;
        c1 += base;
        c2 += base;
        current = base + p;
        path.cubicTo(c1, c2, current);
        lastControl = c2;
      } else if (upper == u'S') {
        if (!reader.point(c2) || !reader.point(p)) return path;
        const QChar before = first ? previous : upper;
        c1 = (before == u'C' || before == u'S') ? 2 * current - lastControl : current;
        c2 += base;
        current = base + p;
        path.cubicTo(c1, c2, current);
        lastControl = c2;
      } else if (upper == u'Z') {
        path.closeSubpath();
        current = start;
        break;
      } else {
        return path;
      }
      first = false;
    } while (reader.nextIsNumber());
    previous = upper;
  }
  return path;
}

Icon::Icon(QQuickItem* parent) : QQuickPaintedItem(parent) {
  setAntialiasing(true);
  setImplicitSize(24, 24);
}

QPainterPath Icon::pathFor(const QString& name) { return svgPath(iconPaths().value(name)); }

void Icon::setName(const QString& name) {
  if (name == name_) return;
  name_ = name;
  path_ = pathFor(name);
  update();
  emit nameChanged();
}

void Icon::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
  emit colorChanged();
}

void Icon::paint(QPainter* painter) {
  const qreal side = std::min(width(), height());
  if (side <= 0 || path_.isEmpty()) return;
  painter->setRenderHint(QPainter::Antialiasing);
  painter->translate((width() - side) / 2, (height() - side) / 2);
  painter->scale(side / 24, side / 24);
  painter->fillPath(path_, color_);
}

}  // namespace uc
