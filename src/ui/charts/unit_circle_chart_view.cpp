#include "ui/charts/unit_circle_chart_view.h"

#include <cmath>

#include "core/solver/quadrant.h"
#include "ui/charts/chart_manager.h"

namespace uc {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

int quadrantNumber(std::optional<Quadrant> quadrant) {
  if (!quadrant) return -1;
  switch (*quadrant) {
    case Quadrant::first:
      return 1;
    case Quadrant::second:
      return 2;
    case Quadrant::third:
      return 3;
    case Quadrant::fourth:
      return 4;
  }
  return -1;
}

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
  setQuadrant(quadrantNumber(turns_->quadrant()), captureMode_ ? 0 : kQuadrantFadeInMs);
  setProjections(true, !captureMode_);
  setRunning(false);
  emit finished();
}

// Capture mode: where the run would end, without going through every turn (a large angle
// has millions of them).
void UnitCircleChartView::showFinalStateAtOnce() {
  setQuadrant(-1, 0);
  const UnitCircleTurns::Turn last = turns_->turn(turns_->fullCircles());
  fullCirclesText_ = text(UnitCircleTurns::fullCirclesText(last));
  if (const auto drawn = turns_->lastDrawnTurn()) {
    current_ = *drawn;
    alphaText_ = text(turns_->alphaFinalText(*drawn));
    gammaText_ = text(UnitCircleTurns::gammaFinalText(*drawn));
    pXText_ = text(turns_->pXText(*drawn, UnitCircleTurns::kCountingSteps));
    pYText_ = text(turns_->pYText(*drawn, UnitCircleTurns::kCountingSteps));
    if (drawn->index > 0) addArc(turns_->turn(drawn->index - 1), false);
    addArc(*drawn, false);
    turnArrow(*drawn, false);
  }
  emit labelsChanged();
  finish();
}

void UnitCircleChartView::showSetAngle(int degrees) {
  clock_.stop();
  setRunning(false);
  UnitCircleTurns::Turn turn;
  turn.endDegrees = turn.coveredDegrees = turn.signedDegrees = degrees;
  turn.isLast = true;
  const QString angle = text(UnitCircleTurns::degreeFinalText(degrees));
  alphaText_ = gammaText_ = angle;
  fullCirclesText_ = QStringLiteral("0");
  const double x = UnitCircleTurns::cosineOfDegrees(degrees);
  const double y = UnitCircleTurns::sineOfDegrees(degrees);
  pXText_ = text(UnitCircleTurns::coordinateText(x));
  pYText_ = text(UnitCircleTurns::coordinateText(y));
  emit labelsChanged();
  arcs_.clear();
  if (!turn.isEmpty()) addArc(turn, false);
  emit arcsChanged();
  turnArrow(turn, false);
  setPoint(x, y);
  setProjections(true, false);
  setQuadrant(quadrantNumber(quadrantOfReducedAngle(degrees)), 0);
}

void UnitCircleChartView::showSolution() {
  if (!turns_) return;
  clock_.stop();
  arcs_.clear();
  emit arcsChanged();
  setPoint(std::cos(turns_->b()), std::sin(turns_->b()));
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

void UnitCircleChartView::addArc(const UnitCircleTurns::Turn& turn, bool animated) {
  // Every turn before the last is a full circle: anything under the previous one is hidden.
  while (arcs_.size() >= 2) arcs_.removeFirst();
  arcs_.append(QVariantMap{{"turn", static_cast<qlonglong>(turn.index)},
                           {"sweep", turn.signedDegrees},
                           {"hue", turn.hue},
                           {"saturation", turn.saturation},
                           {"brightness", turn.brightness},
                           {"animated", animated}});
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
