#include "ui/charts/spline_chart_view.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "core/number/number_text.h"
#include "core/solver/tiro_math_operation.h"
#include "ui/charts/chart_manager.h"
#include "ui/charts/spline_chart_manager.h"

namespace uc {
namespace {

// Numbers as the tooltip writes them: the sample grid has three places, and whole numbers
// go without ".0" ("0", "1", "0.784").
QString tooltipNumber(double value) {
  std::string text = shortestText(TiroMathOperation::shared().roundValue(value, 3).value);
  if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  if (text == "-0") text = "0";
  return QString::fromStdString(text);
}

}  // namespace

void GraphPointsModel::setPoints(std::vector<GraphPoint> points) {
  beginResetModel();
  points_ = std::move(points);
  endResetModel();
}

int GraphPointsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int GraphPointsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant GraphPointsModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() ||
      index.column() > 1) {
    return {};
  }
  return points_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
}

SplineChartView::SplineChartView(QObject* parent) : QObject(parent) {}

void SplineChartView::setChartStep(const QVariant& step) {
  chartStep_ = step;
  graph_ = SplineChartManager::graph(ChartManager::unwrap(step));
  points_.setPoints(graph_ ? graph_->points : std::vector<GraphPoint>{});
  emit graphChanged();
  emit ticksChanged();
}

void SplineChartView::setAxisWidth(double width) {
  if (width == axisWidth_) return;
  axisWidth_ = width;
  emit ticksChanged();
}

void SplineChartView::setLabelFont(const QFont& font) {
  if (font == labelFont_) return;
  labelFont_ = font;
  emit ticksChanged();
}

QString SplineChartView::chartTitle() const {
  return graph_ ? QString::fromStdString(graph_->identity.chartTitle) : QString();
}

QString SplineChartView::seriesName() const {
  return graph_ ? QString::fromStdString(graph_->identity.seriesName) : QString();
}

QColor SplineChartView::seriesColor() const {
  return graph_ ? QColor(QString::fromStdString(graph_->identity.colorHex)) : QColor();
}

QVariantList SplineChartView::xTicks() const {
  QVariantList ticks;
  if (!graph_) return ticks;
  const QFontMetricsF metrics(labelFont_);
  // The chart pads a label by 4 on either side and cuts it only past that.
  const auto width = [&metrics](const std::string& label) {
    return metrics.horizontalAdvance(QString::fromStdString(label)) + 8;
  };
  for (const AxisTick& tick : trigonometric_graph::readableTicks(graph_->xTicks, graph_->xMin,
                                                                 graph_->xMax, axisWidth_, width)) {
    ticks.append(QVariantMap{{"value", tick.value}, {"label", QString::fromStdString(tick.label)}});
  }
  return ticks;
}

QVariantMap SplineChartView::pointNear(double x) const {
  const auto& points = points_.points();
  if (points.empty() || !std::isfinite(x)) return {};
  const auto nearest =
      std::min_element(points.begin(), points.end(), [x](const GraphPoint& a, const GraphPoint& b) {
        return std::fabs(a[0] - x) < std::fabs(b[0] - x);
      });
  const GraphPoint& point = *nearest;
  return {{"x", point[0]},
          {"y", point[1]},
          {"header", QStringLiteral("x: ") + tooltipNumber(point[0])},
          {"body", seriesName() + QStringLiteral(": ") + tooltipNumber(point[1])}};
}

void SplineChartView::styleAxisLines(QObject* axis, const QColor& color) {
  if (!axis) return;
  QPen line(color);
  line.setWidthF(0.5);
  axis->setProperty("linePen", QVariant::fromValue(line));
  QPen grid(color);
  grid.setWidthF(0.25);
  axis->setProperty("gridLinePen", QVariant::fromValue(grid));
}

}  // namespace uc
