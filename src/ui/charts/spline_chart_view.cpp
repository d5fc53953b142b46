#include "ui/charts/spline_chart_view.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/charts/chart_manager.h"
#include "ui/charts/spline_chart_manager.h"

namespace uc {

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
  const auto point = trigonometric_graph::pointNear(points_.points(), x);
  if (!point || !graph_) return {};
  const trigonometric_graph::PointTexts texts =
      trigonometric_graph::pointTexts(graph_->identity, *point);
  return {{"x", (*point)[0]},
          {"y", (*point)[1]},
          {"header", QString::fromStdString(texts.header)},
          {"body", QString::fromStdString(texts.body)}};
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
