#include "ui/charts/unit_circle_chart_view.h"

#include <cmath>

#include "core/charts/circle_state.h"
#include "core/charts/step_highlight.h"
#include "ui/charts/chart_manager.h"

namespace uc {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

UnitCircleChartView::UnitCircleChartView(QObject* parent) : QObject(parent) {
  clock_.setTimerType(Qt::PreciseTimer);
  clock_.setInterval(turnDurationMs_ / UnitCircleTurns::kCountingSteps);
  connect(&clock_, &QTimer::timeout, this, &UnitCircleChartView::tick);
}

void UnitCircleChartView::setChartStep(const QVariant& step) {
  chartStep_ = step;
  const ChartStep charts = ChartManager::unwrap(step);
  const auto* data = ChartManager::kindOf(charts) == ChartManager::UnitCircleChart
                         ? static_cast<const UnitCircleChartData*>(charts.front().get())
                         : nullptr;
  if (data) {
    setChartData(*data);
  } else {
    data_.reset();
    turns_.reset();
    setPoint(1, 0);
    emit chartStepChanged();
  }
}

void UnitCircleChartView::setChartData(const UnitCircleChartData& data) {
  // New data ends whatever was running for the old.
  clock_.stop();
  setRunning(false);
  data_ = data;
  turns_ = UnitCircleTurns::plan(data);
  arcs_.clear();
  emit arcsChanged();
  setProjections(false, false);
  setPoint(data.b ? std::cos(*data.b) : 1, data.b ? std::sin(*data.b) : 0);
  emit chartStepChanged();
}

void UnitCircleChartView::setCaptureMode(bool capture) {
  if (capture == captureMode_) return;
  captureMode_ = capture;
  emit captureModeChanged();
}

void UnitCircleChartView::setTurnDuration(int milliseconds) {
  milliseconds = std::max(UnitCircleTurns::kCountingSteps, milliseconds);
  if (milliseconds == turnDurationMs_) return;
  turnDurationMs_ = milliseconds;
  clock_.setInterval(turnDurationMs_ / UnitCircleTurns::kCountingSteps);
  emit turnDurationChanged();
}

void UnitCircleChartView::startAnimation() {
  if (running_ || !turns_) return;
  setRunning(true);
  arcs_.clear();
  emit arcsChanged();
  setProjections(false, false);
  if (captureMode_) {
    showFinalStateAtOnce();
    return;
  }
  setQuadrant(-1, kQuadrantFadeOutMs);
  startTurn(0);
}

void UnitCircleChartView::startTurn(std::int64_t index) {
  current_ = turns_->turn(index);
  fullCirclesText_ = text(UnitCircleTurns::fullCirclesText(current_));
  emit labelsChanged();
  if (current_.isEmpty()) {
    finish();
    return;
  }
  showCount(0);
  addArc(current_, true);
  turnArrow(current_, true);
  k_ = 0;
  clock_.start();
}

void UnitCircleChartView::tick() {
  ++k_;
  showCount(k_);
  if (k_ < UnitCircleTurns::kCountingSteps) return;
  // The arrow has arrived: on to the next turn, or done.
  clock_.stop();
  if (current_.isLast) {
    finish();
  } else {
    startTurn(current_.index + 1);
  }
}

void UnitCircleChartView::showCount(int k) {
  alphaText_ = text(turns_->alphaText(current_, k));
  gammaText_ = text(UnitCircleTurns::gammaText(current_, k));
  pXText_ = text(turns_->pXText(current_, k));
  pYText_ = text(turns_->pYText(current_, k));
  emit labelsChanged();
}

void UnitCircleChartView::finish() {
  setQuadrant(circle_state::quadrantNumber(turns_->quadrant()),
              captureMode_ ? 0 : kQuadrantFadeInMs);
  setProjections(true, !captureMode_);
  setRunning(false);
  emit finished();
}

// Capture mode: where the run would end, without going through every turn.
void UnitCircleChartView::showFinalStateAtOnce() {
  setQuadrant(-1, 0);
  showState(circle_state::finalState(*turns_));
  if (const auto drawn = turns_->lastDrawnTurn()) current_ = *drawn;
  finish();
}

void UnitCircleChartView::showSetAngle(int degrees) {
  clock_.stop();
  setRunning(false);
  const CircleState state = circle_state::setAngleState(degrees);
  showState(state);
  setProjections(true, false);
  setQuadrant(state.quadrant, 0);
}

void UnitCircleChartView::showState(const CircleState& state) {
  alphaText_ = text(state.alphaText);
  gammaText_ = text(state.gammaText);
  fullCirclesText_ = text(state.fullCirclesText);
  pXText_ = text(state.pXText);
  pYText_ = text(state.pYText);
  emit labelsChanged();
  arcs_.clear();
  for (const CircleArc& arc : state.arcs) arcs_.append(arcMap(arc, false));
  emit arcsChanged();
  arrowDegrees_ = state.arrowDegrees;
  arrowAnimated_ = false;
  ++arrowRun_;
  emit arrowChanged();
  setPoint(state.pointX, state.pointY);
}

int UnitCircleChartView::stress(int highlight, const QString& part, int index) const {
  const auto circlePart = charts::circlePartFrom(part.toStdString());
  if (captureMode_ || !circlePart) return 0;
  return charts::stress(static_cast<charts::StepHighlight>(highlight), *circlePart, index,
                        static_cast<int>(arcs_.size()) - 1);
}

void UnitCircleChartView::showSolution() {
  if (!turns_) return;
  clock_.stop();
  showFinalStateAtOnce();
}

void UnitCircleChartView::setPoint(double x, double y) {
  if (x == pointX_ && y == pointY_) return;
  pointX_ = x;
  pointY_ = y;
  emit pointChanged();
}

void UnitCircleChartView::setRunning(bool running) {
  if (running == running_) return;
  running_ = running;
  emit runningChanged();
}

void UnitCircleChartView::setQuadrant(int shown, int fadeMs) {
  shownQuadrant_ = shown;
  quadrantFadeMs_ = fadeMs;
  emit quadrantChanged();
}

QVariantMap UnitCircleChartView::arcMap(const CircleArc& arc, bool animated) {
  return {{"turn", static_cast<qlonglong>(arc.turn)},
          {"sweep", arc.sweep},
          {"hue", arc.hue},
          {"saturation", arc.saturation},
          {"brightness", arc.brightness},
          {"animated", animated}};
}

void UnitCircleChartView::addArc(const UnitCircleTurns::Turn& turn, bool animated) {
  // Every turn before the last is a full circle: anything under the previous one is hidden.
  while (arcs_.size() >= 2) arcs_.removeFirst();
  arcs_.append(arcMap(circle_state::arcOf(turn), animated));
  emit arcsChanged();
}

void UnitCircleChartView::turnArrow(const UnitCircleTurns::Turn& turn, bool animated) {
  arrowDegrees_ = turn.signedDegrees;
  arrowAnimated_ = animated;
  ++arrowRun_;
  emit arrowChanged();
}

void UnitCircleChartView::setProjections(bool visible, bool animated) {
  if (visible == projectionsVisible_ && animated == projectionsAnimated_) return;
  projectionsVisible_ = visible;
  projectionsAnimated_ = animated;
  emit projectionsChanged();
}

}  // namespace uc
