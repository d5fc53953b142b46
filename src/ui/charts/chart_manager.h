#pragma once

#include <QtQml/qqmlregistration.h>

#include <QMetaType>
#include <QObject>
#include <QRectF>
#include <QVariant>

#include "core/solver/chart_data.h"

class QQmlEngine;
class QJSEngine;

namespace uc {

// A chart step as a QML value: the rows of the result page hand it to the chart cell, which
// hands it on to the chart view's controller. Holding it keeps the data alive.
struct ChartStepRef {
  ChartStep step;
};

// Picks the view of a chart row by the class of its data and sizes it.
class ChartManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON

 public:
  enum ChartKind { NoChart = 0, UnitCircleChart = 1, SplineChart = 2 };
  Q_ENUM(ChartKind)

  static ChartManager& shared();
  static ChartManager* create(QQmlEngine*, QJSEngine*);

  static QVariant wrap(const ChartStep& step);
  static ChartStep unwrap(const QVariant& value);

  // A single object gets its own view; zero or several objects are a multi-series chart,
  // which this app has none of, so they show an empty row.
  static ChartKind kindOf(const ChartStep& step);
  Q_INVOKABLE static int kindOf(const QVariant& step) { return kindOf(unwrap(step)); }
  // Chart steps made from plain numbers, for previews and tests of the views. quadrant is
  // 1 ... 4; type 0 sin, 1 cos, 2 tan.
  Q_INVOKABLE static QVariant makeUnitCircleStep(double alpha, double b, double angle,
                                                 qint64 fullCircles, int quadrant);
  Q_INVOKABLE static QVariant makeGraphStep(double lengthOfGraph, int type);

  // The ratio of a row: that of the step's first object (1 for an empty step).
  Q_INVOKABLE static double frameRatioOf(const QVariant& step);
  // The chart inside a row width W, ratio r: 5 % margin all round, the row being W / r high.
  Q_INVOKABLE static QRectF frame(double width, double frameRatio);

 private:
  ChartManager() = default;
};

}  // namespace uc

Q_DECLARE_METATYPE(uc::ChartStepRef)
