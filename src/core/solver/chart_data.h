#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/solver/quadrant.h"

namespace uc {

// What one chart row shows; the chart layer picks its view by the subclass. Its height is the
// row's width divided by frameRatio.
class ChartData {
 public:
  explicit ChartData(double frameRatio) : frameRatio(frameRatio) {}
  virtual ~ChartData() = default;

  double frameRatio;
};

// The unit-circle drawing: angles in degrees, arc lengths in radians.
class UnitCircleChartData : public ChartData {
 public:
  UnitCircleChartData(double alpha, double b, double angle, long long fullCircles,
                      Quadrant quadrant)
      : ChartData(2.0),
        alpha(alpha),
        b(b),
        angle(angle),
        fullCircles(fullCircles),
        quadrant(quadrant) {}

  std::optional<double> alpha;
  std::optional<double> b;
  std::optional<double> angle;  // the reduced angle, in (-360, 360)
  std::optional<long long> fullCircles;
  std::optional<Quadrant> quadrant;
};

// One graph of sin, cos or tan over an x-range of lengthOfGraph radians.
class TrigonometricChartData : public ChartData {
 public:
  TrigonometricChartData(std::optional<double> lengthOfGraph, double offset, double periodLength,
                         double amplitude, std::optional<TrigonometricType> type)
      : ChartData(1.0),
        lengthOfGraph(lengthOfGraph),
        offset(offset),
        periodLength(periodLength),
        amplitude(amplitude),
        type(type) {}

  std::optional<double> lengthOfGraph;
  double offset;
  double periodLength;
  double amplitude;
  std::optional<TrigonometricType> type;
};

// Charts of the other formula modules; this app never makes them but the chart layer knows them.
class LineChartData : public ChartData {
 public:
  LineChartData() : ChartData(1.0) {}
  std::string chartTitle;
  std::string dataName;
  std::string chartColorHexCode;
  std::vector<double> startPoint;
  std::vector<double> endPoint;
  std::vector<std::vector<double>> markedPoints;
  double axisLimit = 0;
};

class CommonSplineChartData : public ChartData {
 public:
  CommonSplineChartData() : ChartData(1.0) {}
  std::string chartTitle;
  std::string dataName;
  std::string chartColorHexCode;
  std::vector<std::vector<double>> dataSet;
  std::optional<double> lengthOfGraph;
};

class HistogramChartData : public ChartData {
 public:
  struct ColoredDataSet {
    std::string hexColor;
    std::vector<std::vector<double>> dataValues;
  };
  HistogramChartData() : ChartData(1.0) {}
  std::string chartTitle;
  std::string dataName;
  std::string xAxisName;
  std::vector<ColoredDataSet> dataSetWithColorTheme;
};

class DistributionFunctionChartData : public ChartData {
 public:
  DistributionFunctionChartData() : ChartData(1.0) {}
  std::string chartTitle;
  std::string dataName;
  std::string xAxisName;
  std::string chartColorHexCode;
  std::vector<std::vector<double>> dataSet;
  bool isPresentationView = false;
  bool isConverse = false;
};

class BernoulliDistributionTreeChartData : public ChartData {
 public:
  BernoulliDistributionTreeChartData() : ChartData(1.0) {}
  std::string chartTitle;
  std::string chartColorHexCode;
  double probabilityOfSuccess = 0;
  int hits = 0;
  int trials = 0;
};

using ChartDataPtr = std::shared_ptr<ChartData>;
using ChartStep = std::vector<ChartDataPtr>;
using ChartSteps = std::vector<ChartStep>;

}  // namespace uc
