#include "ui/explore/explore_view_controller.h"

#include <QCoreApplication>
#include <QPointF>
#include <algorithm>
#include <string>

#include "core/explore/explore_graph.h"
#include "core/solver/quadrant.h"

namespace uc {
namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString coreWord(const char* key) { return QCoreApplication::translate("Core", key); }

// Upright, as a name: "\text{Reference angle}".
QString textLatex(const QString& words) { return QStringLiteral("\\text{") + words + '}'; }

QString signText(const explore::Sign& sign) {
  if (!sign) return {};
  return *sign > 0   ? QStringLiteral("+")
         : *sign < 0 ? QStringLiteral("\u2212")
                     : QStringLiteral("0");
}

QString valueLine(const QString& name, const explore::ShownValue& value) {
  if (!value.decimal) return name + QStringLiteral(" \\quad ") + textLatex(coreWord("undefined"));
  // "\approx 0.7314" brings its own relation.
  return name + (value.exact ? QStringLiteral(" = ") : QStringLiteral(" ")) + fromStd(value.latex);
}

std::optional<explore::TrigFunction> functionNamed(const QString& name) {
  return explore::trigFunctionFromRawValue(name.toStdString());
}

// The graph's coordinates on the unit square, y downwards.
struct Frame {
  double xMin, xMax, yMin, yMax;
  double u(double x) const { return (x - xMin) / (xMax - xMin); }
  double v(double y) const { return (yMax - y) / (yMax - yMin); }
  QPointF at(const GraphPoint& point) const { return {u(point[0]), v(point[1])}; }
};

QVariantList pieces(const std::vector<explore::GraphLine>& lines, const Frame& frame) {
  QVariantList result;
  for (const explore::GraphLine& line : lines) {
    QVariantList points;
    points.reserve(static_cast<qsizetype>(line.size()));
    for (const GraphPoint& point : line) points.append(frame.at(point));
    result.append(QVariant(points));
  }
  return result;
}

}  // namespace

ExploreViewController::ExploreViewController(QObject* parent)
    : QObject(parent), state_(explore::pointState(0)) {
  updateGraph();
}

QString ExploreViewController::title() const {
  return QCoreApplication::translate("ExploreView", "Explore");
}

void ExploreViewController::setDegrees(int degrees) {
  if (degrees == state_.degrees) return;
  state_ = explore::pointState(degrees);
  sweptMin_ = std::min(sweptMin_, degrees);
  sweptMax_ = std::max(sweptMax_, degrees);
  emit pointChanged();
  updateGraph();
}

QString ExploreViewController::alphaLatex() const { return fromStd(state_.alphaLatex); }
QString ExploreViewController::radiansLatex() const { return fromStd(state_.radiansLatex); }
QString ExploreViewController::sinLatex() const { return fromStd(state_.sin.latex); }
QString ExploreViewController::cosLatex() const { return fromStd(state_.cos.latex); }
QString ExploreViewController::tanLatex() const { return fromStd(state_.tan.latex); }
QString ExploreViewController::referenceLatex() const { return fromStd(state_.referenceLatex); }

QString ExploreViewController::quadrantNumeral() const {
  if (state_.quadrant < 1 || state_.quadrant > 4) return {};
  return fromStd(std::string(rawValue(static_cast<Quadrant>(state_.quadrant - 1))));
}

QString ExploreViewController::placeText() const {
  if (!state_.axis) return coreWord("quadrant") + ' ' + quadrantNumeral();
  // "negativeX" names the key "onNegativeXAxis".
  QString axis = fromStd(explore::rawValue(*state_.axis));
  if (!axis.isEmpty()) axis[0] = axis[0].toUpper();
  return QCoreApplication::translate("Core", ("on" + axis + "Axis").toUtf8().constData());
}

QStringList ExploreViewController::valueLines() const {
  return {QStringLiteral("\\alpha = ") + alphaLatex(),
          QStringLiteral("b = ") + radiansLatex(),
          valueLine(QStringLiteral("\\sin\\alpha"), state_.sin),
          valueLine(QStringLiteral("\\cos\\alpha"), state_.cos),
          valueLine(QStringLiteral("\\tan\\alpha"), state_.tan),
          textLatex(coreWord("referenceAngle")) + QStringLiteral("\\; ") + referenceLatex(),
          textLatex(placeText())};
}

QVariantList ExploreViewController::sharedAngles() const {
  QVariantList angles;
  for (const explore::SharedAngle& angle : state_.sharedAngles) {
    const explore::PointState at = explore::pointState(angle.degrees);
    angles.append(QVariantMap{{"degrees", angle.degrees},
                              {"latex", fromStd(angle.latex)},
                              {"x", at.pointX},
                              {"y", at.pointY},
                              {"sin", signText(angle.sinSign)},
                              {"cos", signText(angle.cosSign)},
                              {"tan", signText(angle.tanSign)},
                              {"isPoint", angle.isPoint}});
  }
  return angles;
}

QString ExploreViewController::valueText() const { return fromStd(state_.valueText); }

void ExploreViewController::setSnap(bool snap) {
  if (snap == snap_) return;
  snap_ = snap;
  emit snapChanged();
}

QString ExploreViewController::graphFunction() const {
  return fromStd(std::string(explore::rawValue(graphFunction_)));
}

void ExploreViewController::setGraphFunction(const QString& function) {
  const auto chosen = functionNamed(function);
  if (!chosen || *chosen == graphFunction_) return;
  graphFunction_ = *chosen;
  // A new function starts its trail afresh.
  sweptMin_ = sweptMax_ = state_.degrees;
  updateGraph();
}

QString ExploreViewController::inverseFunction() const {
  return fromStd(std::string(explore::rawValue(inverseFunction_)));
}

QVariantList ExploreViewController::inverseSolutions() const {
  QVariantList list;
  if (!reading_ || !reading_->solutions) return list;
  const explore::InverseSolutions& solutions = *reading_->solutions;
  for (const explore::InverseAngle& angle : solutions.angles) {
    list.append(QVariantMap{
        {"degrees", angle.degrees},
        {"latex", fromStd(angle.latex)},
        {"generalLatex", fromStd(explore::generalSolutionLatex(angle, solutions.periodDegrees))},
        {"exact", angle.exact},
        {"x", angle.x},
        {"y", angle.y}});
  }
  return list;
}

QString ExploreViewController::inverseMessage() const {
  if (!reading_) return {};
  if (!reading_->solutions) return coreWord(reading_->errorKey.c_str());
  if (reading_->solutions->angles.empty()) {
    return QCoreApplication::translate("ExploreView", "exploreNoSolution");
  }
  return {};
}

QVariant ExploreViewController::inverseValue() const {
  return reading_ && reading_->solutions && reading_->value ? QVariant(*reading_->value)
                                                            : QVariant();
}

void ExploreViewController::pointerMoved(double dx, double dy) {
  if (const auto followed = explore::followPointer(state_.degrees, dx, dy, snap_)) {
    setDegrees(*followed);
  }
}

void ExploreViewController::step(int direction) {
  setDegrees(explore::stepAngle(state_.degrees, direction, snap_));
}

void ExploreViewController::clearTrail() {
  sweptMin_ = sweptMax_ = state_.degrees;
  updateGraph();
}

void ExploreViewController::setInverse(const QString& function, const QString& text) {
  const auto chosen = functionNamed(function);
  if (!chosen) return;
  inverseFunction_ = *chosen;
  inverseText_ = text;
  reading_ = explore::inverseSolutions(*chosen, text.trimmed().toStdString());
  emit inverseChanged();
  // The line and its crossings show on the graph of the function asked about.
  if (*chosen != graphFunction_) {
    setGraphFunction(function);
  } else {
    updateGraph();
  }
}

void ExploreViewController::clearInverse() {
  if (!reading_ && inverseText_.isEmpty()) return;
  reading_.reset();
  inverseText_.clear();
  emit inverseChanged();
  updateGraph();
}

void ExploreViewController::updateGraph() {
  const bool asked = reading_ && reading_->solutions && inverseFunction_ == graphFunction_;
  const explore::ExploreGraph data = explore::exploreGraph(
      graphFunction_, state_.degrees, sweptMin_, sweptMax_,
      asked ? reading_->solutions : std::nullopt, asked ? reading_->value : std::nullopt);
  const Frame frame{data.xMin, data.xMax, data.yMin, data.yMax};

  QVariantList xTicks;
  for (const AxisTick& tick : data.xTicks) {
    xTicks.append(QVariantMap{{"position", frame.u(tick.value)}, {"label", fromStd(tick.label)}});
  }
  QVariantList yTicks;
  for (const AxisTick& tick : data.yTicks) {
    yTicks.append(QVariantMap{{"position", frame.v(tick.value)}, {"label", fromStd(tick.label)}});
  }
  QVariantList crossings;
  for (const explore::GraphCrossing& crossing : data.crossings) {
    crossings.append(
        QVariantMap{{"position", frame.u(crossing.degrees)}, {"latex", fromStd(crossing.latex)}});
  }
  graph_ = QVariantMap{{"color", fromStd(data.colorHex)},
                       {"xMin", data.xMin},
                       {"xMax", data.xMax},
                       {"curve", pieces(data.curve, frame)},
                       {"trail", pieces(data.trail, frame)},
                       {"tracer", data.tracer ? QVariant(frame.at(*data.tracer)) : QVariant()},
                       {"xTicks", xTicks},
                       {"yTicks", yTicks},
                       {"zero", frame.v(0)},
                       {"line", data.lineY ? QVariant(frame.v(*data.lineY)) : QVariant()},
                       {"crossings", crossings}};
  emit graphChanged();
}

}  // namespace uc
