#include "ui/print/unit_circle_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/charts/unit_circle_turns.h"
#include "ui/print/print_style.h"

namespace uc::print {
namespace {

// The app's colours in its light appearance: paper is white.
const QColor kAxis(0, 0, 0);
const QColor kGray(142, 142, 147);
const QColor kCosine(0x1f, 0x5f, 0xff);
const QColor kSine(255, 59, 48);

QString text(const std::string& s) { return QString::fromStdString(s); }

QFont labelFont(double pixels, bool italic = false) {
  QFont font = textFont(10);
  font.setPixelSize(std::max(1, qRound(pixels)));
  font.setItalic(italic);
  return font;
}

// A label column's size: the widest text fills the room, at most the largest size.
double fittingSize(QPainter& painter, const std::vector<QString>& texts, double room,
                   double largest) {
  const QFontMetricsF metrics(labelFont(largest), painter.device());
  double widest = 1;
  for (const QString& t : texts) widest = std::max(widest, metrics.horizontalAdvance(t));
  return std::clamp(largest * room / widest, largest * 0.5, largest);
}

// Texts one under the other from top, each with its colour.
void column(QPainter& painter, double x, double top, double size,
            const std::vector<std::pair<QString, QColor>>& lines) {
  const QFont font = labelFont(size);
  const QFontMetricsF metrics(font, painter.device());
  painter.setFont(font);
  double y = top;
  for (const auto& [line, color] : lines) {
    painter.setPen(color);
    painter.drawText(QPointF(x, y + metrics.ascent()), line);
    y += metrics.height() + size * 0.35;
  }
}

}  // namespace

std::optional<CircleState> finalCircleState(const ChartSteps& chartSteps) {
  for (const ChartStep& step : chartSteps) {
    for (const ChartDataPtr& data : step) {
      const auto* circle = dynamic_cast<const UnitCircleChartData*>(data.get());
      if (!circle) continue;
      const std::optional<UnitCircleTurns> turns = UnitCircleTurns::plan(*circle);
      if (!turns) return std::nullopt;
      return circle_state::finalState(*turns);
    }
  }
  return std::nullopt;
}

void paintUnitCircle(QPainter& painter, const CircleState& state, const QRectF& box, double point) {
  const double h = box.height();
  const double cx = box.center().x();
  const double cy = box.center().y();
  const double radius = 0.375 * h;
  const double reach = 0.45 * h;
  // The app's figure is about 300 pixels high; lines keep their share of it.
  const double scale = h / 300;
  const double unit = 1.46 * scale;
  const double tick = 4 * unit;
  const double labelSize = std::min(h * 0.1, 11 * point);

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);

  // Axes with ticks at ±1 and ±0.5, and arrow heads at the ends of the positive ones.
  QPainterPath axes;
  axes.moveTo(cx - reach, cy);
  axes.lineTo(cx + reach, cy);
  axes.moveTo(cx, cy + reach);
  axes.lineTo(cx, cy - reach);
  for (const double sign : {1.0, -1.0}) {
    for (const auto& [at, length] : {std::pair{radius, tick}, std::pair{radius / 2, tick / 2}}) {
      axes.moveTo(cx + sign * at, cy - length);
      axes.lineTo(cx + sign * at, cy + length);
      axes.moveTo(cx - length, cy + sign * at);
      axes.lineTo(cx + length, cy + sign * at);
    }
  }
  painter.setPen(QPen(kAxis, 1.2 * unit, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(axes);
  const double tipX = cx + reach;
  const double tipY = cy - reach;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kAxis);
  painter.drawPolygon(QPolygonF({{tipX + 2 * unit, cy},
                                 {tipX - 6 * unit, cy - 3.5 * unit},
                                 {tipX - 6 * unit, cy + 3.5 * unit}}));
  painter.drawPolygon(QPolygonF({{cx, tipY - 2 * unit},
                                 {cx - 3.5 * unit, tipY + 6 * unit},
                                 {cx + 3.5 * unit, tipY + 6 * unit}}));
  painter.setBrush(Qt::NoBrush);

  const QRectF circle(cx - radius, cy - radius, 2 * radius, 2 * radius);
  painter.setPen(QPen(kGray, 1.5 * unit));
  painter.drawEllipse(circle);

  // One arc per turn from the positive x axis, the newest on top; Qt's angles, like the
  // core's, run counter-clockwise.
  for (const CircleArc& arc : state.arcs) {
    QPainterPath path;
    path.arcMoveTo(circle, 0);
    path.arcTo(circle, 0, arc.sweep);
    painter.setPen(QPen(QColor(text(arc.color)), 5 * scale, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(path);
  }

  // The point's projections: onto the x axis in blue, from there to the point in red.
  const double px = cx + state.pointX * radius;
  const double py = cy - state.pointY * radius;
  painter.setPen(QPen(kCosine, 5 * scale, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
  if (px != cx) painter.drawLine(QPointF(cx, cy), QPointF(px, cy));
  painter.setPen(QPen(kSine, 5 * scale, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
  if (py != cy) painter.drawLine(QPointF(px, cy), QPointF(px, py));

  // The arrow from the centre to the point.
  painter.save();
  painter.translate(cx, cy);
  painter.rotate(-state.arrowDegrees);
  painter.setPen(QPen(kAxis, 2 * unit, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(0, 0), QPointF(radius - 7 * unit, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kAxis);
  painter.drawPolygon(QPolygonF(
      {{radius, 0}, {radius - 10 * unit, -4.5 * unit}, {radius - 10 * unit, 4.5 * unit}}));
  painter.restore();

  painter.setPen(Qt::NoPen);
  painter.setBrush(kAxis);
  painter.drawEllipse(QPointF(px, py), 4 * unit, 4 * unit);
  painter.drawEllipse(QPointF(cx, cy), 2.5 * unit, 2.5 * unit);
  painter.setBrush(Qt::NoBrush);

  // Axis names and the numbers at the ticks.
  const QFont axisFont = labelFont(labelSize * 0.8, true);
  const QFontMetricsF axisMetrics(axisFont, painter.device());
  painter.setFont(axisFont);
  painter.setPen(kAxis);
  const double xNameWidth = axisMetrics.horizontalAdvance(QStringLiteral("x"));
  painter.drawText(QPointF(tipX - xNameWidth / 2, cy - 2 * unit - axisMetrics.descent()),
                   QStringLiteral("x"));
  painter.drawText(QPointF(cx + 6 * unit, tipY + axisMetrics.ascent() / 2), QStringLiteral("y"));
  const QFont numberFont = labelFont(labelSize * 0.8);
  const QFontMetricsF numberMetrics(numberFont, painter.device());
  painter.setFont(numberFont);
  const double numberY = cy + 2 * unit + numberMetrics.ascent();
  painter.drawText(QPointF(cx + radius + 4 * unit, numberY), QStringLiteral("1"));
  const QString minusOne = QStringLiteral("\u22121");
  painter.drawText(
      QPointF(cx - radius - numberMetrics.horizontalAdvance(minusOne) - 4 * unit, numberY),
      minusOne);

  // The quadrant numeral in the corner of its quadrant, outside the circle.
  if (state.quadrant >= 1 && state.quadrant <= 4) {
    static const char* const numerals[] = {"I", "II", "III", "IV"};
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleStrategy(QFont::PreferNoShaping);
    serif.setPixelSize(std::max(1, qRound(labelSize)));
    serif.setBold(true);
    const QFontMetricsF metrics(serif, painter.device());
    const QString numeral = QString::fromLatin1(numerals[state.quadrant - 1]);
    const double direction = (state.quadrant - 0.5) * std::numbers::pi / 2;
    const double qx = cx + std::numbers::sqrt2 * std::cos(direction) * radius * 0.97;
    const double qy = cy - std::numbers::sqrt2 * std::sin(direction) * radius * 0.97;
    painter.setFont(serif);
    painter.setPen(kGray);
    painter.drawText(QPointF(qx - metrics.horizontalAdvance(numeral) / 2,
                             qy + (metrics.ascent() - metrics.descent()) / 2),
                     numeral);
  }

  // α, γ and n on the left, α and γ above the axis; x and y on the right, one either side.
  const std::vector<std::pair<QString, QColor>> angles = {
      {QStringLiteral("α = ") + text(state.alphaText), kAxis},
      {QStringLiteral("γ = ") + text(state.gammaText), kAxis},
      {QStringLiteral("n = ") + text(state.fullCirclesText), kGray}};
  const std::vector<std::pair<QString, QColor>> coordinates = {
      {QStringLiteral("x = ") + text(state.pXText), kCosine},
      {QStringLiteral("y = ") + text(state.pYText), kSine}};
  const auto texts = [](const std::vector<std::pair<QString, QColor>>& lines) {
    std::vector<QString> all;
    for (const auto& line : lines) all.push_back(line.first);
    return all;
  };
  const double leftRoom = cx - reach - 8 * unit - box.left();
  const double angleSize = fittingSize(painter, texts(angles), leftRoom, labelSize);
  const QFontMetricsF angleMetrics(labelFont(angleSize), painter.device());
  double angleWidth = 0;
  for (const auto& line : angles) {
    angleWidth = std::max(angleWidth, angleMetrics.horizontalAdvance(line.first));
  }
  const double angleTop = cy - 2 * angleMetrics.height() - angleSize * 0.35 * 1.5;
  // Close to the circle, as the right column is, rather than at the page's edge.
  column(painter, std::max(box.left(), cx - reach - 8 * unit - angleWidth), angleTop, angleSize,
         angles);

  const double rightX = tipX + xNameWidth / 2 + std::max(6 * unit, labelSize * 0.5);
  const double pointSize =
      fittingSize(painter, texts(coordinates), box.right() - rightX, labelSize);
  const QFontMetricsF pointMetrics(labelFont(pointSize), painter.device());
  column(painter, rightX, cy - pointMetrics.height() - pointSize * 0.35 / 2, pointSize,
         coordinates);
  painter.restore();
}

}  // namespace uc::print
