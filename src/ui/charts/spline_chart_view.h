#pragma once

#include <QtQml/qqmlregistration.h>

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

#include "core/charts/trigonometric_graph.h"

namespace uc {

// The sample points as a two-column table (x, y), which the chart's model mapper reads in
// one go.
class GraphPointsModel : public QAbstractTableModel {
  Q_OBJECT
  QML_ANONYMOUS

 public:
  using QAbstractTableModel::QAbstractTableModel;
  void setPoints(std::vector<GraphPoint> points);
  const std::vector<GraphPoint>& points() const { return points_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<GraphPoint> points_;
};

// What a function graph row shows: its identity, points and axes. The QML view of the same
// name draws it with the chart component; nothing here needs that component, so it loads only
// when a graph comes into view.
class SplineChartView : public QObject {
  Q_OBJECT
  // Its view, SplineChartView.qml, has its name.
  QML_NAMED_ELEMENT(SplineChartViewLogic)
  Q_PROPERTY(QVariant chartStep READ chartStep WRITE setChartStep NOTIFY graphChanged)
  Q_PROPERTY(bool valid READ valid NOTIFY graphChanged)
  Q_PROPERTY(QString chartTitle READ chartTitle NOTIFY graphChanged)
  Q_PROPERTY(QString seriesName READ seriesName NOTIFY graphChanged)
  Q_PROPERTY(QColor seriesColor READ seriesColor NOTIFY graphChanged)
  Q_PROPERTY(bool scatter READ scatter NOTIFY graphChanged)
  Q_PROPERTY(double markerRadius READ markerRadius NOTIFY graphChanged)
  Q_PROPERTY(double xMin READ xMin NOTIFY graphChanged)
  Q_PROPERTY(double xMax READ xMax NOTIFY graphChanged)
  Q_PROPERTY(double yMin READ yMin NOTIFY graphChanged)
  Q_PROPERTY(double yMax READ yMax NOTIFY graphChanged)
  Q_PROPERTY(double yTickInterval READ yTickInterval NOTIFY graphChanged)
  // The plot's width and the x labels' font: together they say which ticks keep a label.
  Q_PROPERTY(double axisWidth READ axisWidth WRITE setAxisWidth NOTIFY ticksChanged)
  Q_PROPERTY(QFont labelFont READ labelFont WRITE setLabelFont NOTIFY ticksChanged)
  // [{ value, label }]: of the ticks every 1.5705 along x, those whose labels (multiples of
  // π/2) fit the axis uncut.
  Q_PROPERTY(QVariantList xTicks READ xTicks NOTIFY ticksChanged)
  Q_PROPERTY(int pointCount READ pointCount NOTIFY graphChanged)
  Q_PROPERTY(QAbstractTableModel* points READ pointsModel CONSTANT)

 public:
  explicit SplineChartView(QObject* parent = nullptr);

  QVariant chartStep() const { return chartStep_; }
  void setChartStep(const QVariant& step);

  bool valid() const { return graph_.has_value(); }
  QString chartTitle() const;
  QString seriesName() const;
  QColor seriesColor() const;
  bool scatter() const { return graph_ && graph_->identity.isScatter; }
  double markerRadius() const { return graph_ ? graph_->identity.markerRadius : 0; }
  double xMin() const { return graph_ ? graph_->xMin : 0; }
  double xMax() const { return graph_ ? graph_->xMax : 1; }
  double yMin() const { return graph_ ? graph_->yMin : -1; }
  double yMax() const { return graph_ ? graph_->yMax : 1; }
  double yTickInterval() const { return graph_ ? graph_->yTickInterval : 0.5; }
  double axisWidth() const { return axisWidth_; }
  void setAxisWidth(double width);
  QFont labelFont() const { return labelFont_; }
  void setLabelFont(const QFont& font);
  QVariantList xTicks() const;
  int pointCount() const { return static_cast<int>(points_.points().size()); }
  QAbstractTableModel* pointsModel() { return &points_; }

  // The sample point nearest to an x value, for the crosshair and its tooltip:
  // { x, y, header: "x: …", body: "sin(x): …" }; empty without points.
  Q_INVOKABLE QVariantMap pointNear(double x) const;

  // The axis line 0.5 and the grid lines 0.25 wide, in one colour. The chart's pens are not
  // reachable from QML; this sets them through the axis's properties.
  Q_INVOKABLE static void styleAxisLines(QObject* axis, const QColor& color);

 signals:
  void graphChanged();
  void ticksChanged();

 private:
  QVariant chartStep_;
  std::optional<TrigonometricGraph> graph_;
  GraphPointsModel points_;
  double axisWidth_ = 0;
  QFont labelFont_;
};

}  // namespace uc
