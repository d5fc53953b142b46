#include "ui/explore/explore_view_controller.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointF>
#include <algorithm>
#include <string>

#include "core/explore/dragged_value.h"
#include "core/explore/explore_graph.h"
#include "core/practice/answer_typing.h"
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

// Sets a property's value and says so, only where it changed.
template <typename T>
bool changed(T& property, T value) {
  if (property == value) return false;
  property = std::move(value);
  return true;
}

// The point starts at 30°, where all three values are exact and none is 0 or 1.
constexpr int kStartDegrees = 30;

}  // namespace

ExploreViewController::ExploreViewController(QObject* parent)
    : QObject(parent),
      state_(explore::pointState(kStartDegrees)),
      sweptMin_(kStartDegrees),
      sweptMax_(kStartDegrees) {
  updateSharedAngles();
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
  updateSharedAngles();
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

void ExploreViewController::updateSharedAngles() {
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
  if (changed(sharedAngles_, std::move(angles))) emit sharedAnglesChanged();
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

void ExploreViewController::setInverseFunction(const QString& function) {
  const auto chosen = functionNamed(function);
  if (!chosen || *chosen == inverseFunction_) return;
  // A question asked goes on with the same value.
  if (reading_) {
    setInverse(function, inverseText_);
    return;
  }
  inverseFunction_ = *chosen;
  emit inverseChanged();
}

void ExploreViewController::setInverseDraft(const QString& draft) {
  if (changed(draft_, draft)) emit inverseDraftChanged();
}

void ExploreViewController::typeKey(const QString& key) {
  setInverseDraft(fromStd(practice::typeKey(draft_.toStdString(), key.toStdString())));
}

void ExploreViewController::typeOnKeyboard(const QString& character) {
  if (character.isEmpty()) return;
  const bool decimalComma = QLocale().decimalPoint() == QStringLiteral(",");
  setInverseDraft(fromStd(practice::typeOnKeyboard(draft_.toStdString(), character.toStdString(),
                                                   {}, decimalComma)));
}

void ExploreViewController::deleteBackward() {
  setInverseDraft(fromStd(practice::deleteBackward(draft_.toStdString())));
}

void ExploreViewController::askInverse(const QString& function) {
  setInverse(function, fromStd(practice::finishTyping(draft_.toStdString())));
}

void ExploreViewController::dragInverseLine(double raw) {
  const explore::DraggedValue dragged = explore::draggedValue(inverseFunction_, raw, snap_);
  const QString typed = fromStd(dragged.typed);
  // Within the same snapped or rounded value nothing changes.
  if (reading_ && typed == inverseText_) return;
  setInverse(inverseFunction(), typed);
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

double ExploreViewController::handleValue() const {
  const double limit = explore::draggedValueLimit(inverseFunction_);
  const QVariant value = inverseValue();
  return value.isValid() ? std::clamp(value.toDouble(), -limit, limit) : 0.0;
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
  setInverseDraft(text);
  emit inverseChanged();
  // The line and its crossings show on the graph of the function asked about.
  if (*chosen != graphFunction_) {
    setGraphFunction(function);
  } else {
    updateGraph();
  }
}

void ExploreViewController::clearInverse() {
  if (!reading_ && inverseText_.isEmpty()) {
    setInverseDraft({});
    return;
  }
  reading_.reset();
  inverseText_.clear();
  setInverseDraft({});
  emit inverseChanged();
  updateGraph();
}

void ExploreViewController::updateGraph() {
  const bool asked = reading_ && reading_->solutions && inverseFunction_ == graphFunction_;
  const explore::ExploreGraph data = explore::exploreGraph(
      graphFunction_, state_.degrees, sweptMin_, sweptMax_,
      asked ? reading_->solutions : std::nullopt, asked ? reading_->value : std::nullopt);
  const Frame frame{data.xMin, data.xMax, data.yMin, data.yMax};

  // The curve, its ticks and colour only with a new turn or function: rebuilding them for the
  // view, which then draws them afresh, is the most a move could cost.
  const WindowKey key{graphFunction_, data.xMin};
  if (windowKey_ != key) {
    windowKey_ = key;
    QVariantList xTicks;
    for (const AxisTick& tick : data.xTicks) {
      xTicks.append(QVariantMap{{"position", frame.u(tick.value)}, {"label", fromStd(tick.label)}});
    }
    QVariantList yTicks;
    for (const AxisTick& tick : data.yTicks) {
      yTicks.append(QVariantMap{{"position", frame.v(tick.value)}, {"label", fromStd(tick.label)}});
    }
    graphWindow_ = QVariantMap{{"color", fromStd(data.colorHex)},
                               {"xMin", data.xMin},
                               {"xMax", data.xMax},
                               {"yMin", data.yMin},
                               {"yMax", data.yMax},
                               {"curve", pieces(data.curve, frame)},
                               {"xTicks", xTicks},
                               {"yTicks", yTicks},
                               {"zero", frame.v(0)}};
    emit graphWindowChanged();
  }

  // The trail is the curve between its first and last point: the view shows that stretch of
  // the curve strong.
  double from = 0;
  double to = 0;
  if (!data.trail.empty() && !data.trail.front().empty() && !data.trail.back().empty()) {
    from = frame.u(data.trail.front().front()[0]);
    to = frame.u(data.trail.back().back()[0]);
  }
  bool trailMoved = changed(trailFrom_, from);
  trailMoved = changed(trailTo_, to) || trailMoved;
  if (trailMoved || sweptMin_ != reportedSweep_.first || sweptMax_ != reportedSweep_.second) {
    reportedSweep_ = {sweptMin_, sweptMax_};
    emit trailChanged();
  }
  if (changed(tracer_, data.tracer ? QVariant(frame.at(*data.tracer)) : QVariant())) {
    emit tracerChanged();
  }

  QVariantList crossings;
  for (const explore::GraphCrossing& crossing : data.crossings) {
    crossings.append(
        QVariantMap{{"position", frame.u(crossing.degrees)}, {"latex", fromStd(crossing.latex)}});
  }
  const bool lineMoved =
      changed(graphLine_, data.lineY ? QVariant(frame.v(*data.lineY)) : QVariant());
  if (changed(crossings_, std::move(crossings)) || lineMoved) emit graphLineChanged();
}

}  // namespace uc
