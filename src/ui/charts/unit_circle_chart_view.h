#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "core/charts/circle_state.h"
#include "core/charts/unit_circle_turns.h"

namespace uc {

// The animated unit circle of a chart row: an arrow turns from 0 through every full circle to
// the angle, drawing a coloured arc per turn, while the labels count; at the end the quadrant
// label and the projections of the point onto the axes appear. This object runs the clock
// and owns every text; the QML view of the same name only draws what it says.
class UnitCircleChartView : public QObject {
  Q_OBJECT
  // Its view, UnitCircleChartView.qml, has its name.
  QML_NAMED_ELEMENT(UnitCircleChartViewLogic)
  Q_PROPERTY(QVariant chartStep READ chartStep WRITE setChartStep NOTIFY chartStepChanged)
  Q_PROPERTY(bool isAnimationRunning READ isAnimationRunning NOTIFY runningChanged)
  Q_PROPERTY(bool animateAgainEnabled READ animateAgainEnabled NOTIFY runningChanged)
  Q_PROPERTY(double animateAgainOpacity READ animateAgainOpacity NOTIFY runningChanged)
  // The final state at once, for the shared image.
  Q_PROPERTY(bool captureMode READ captureMode WRITE setCaptureMode NOTIFY captureModeChanged)
  Q_PROPERTY(int turnDuration READ turnDuration WRITE setTurnDuration NOTIFY turnDurationChanged)

  Q_PROPERTY(QString alphaText READ alphaText NOTIFY labelsChanged)
  Q_PROPERTY(QString gammaText READ gammaText NOTIFY labelsChanged)
  Q_PROPERTY(QString fullCirclesText READ fullCirclesText NOTIFY labelsChanged)
  Q_PROPERTY(QString pXText READ pXText NOTIFY labelsChanged)
  Q_PROPERTY(QString pYText READ pYText NOTIFY labelsChanged)

  // Quadrant labels: 0 all four (before the first run), -1 none, 1 ... 4 only that one.
  Q_PROPERTY(int shownQuadrant READ shownQuadrant NOTIFY quadrantChanged)
  // How long the current fade of the quadrant labels takes, in milliseconds.
  Q_PROPERTY(int quadrantFadeDuration READ quadrantFadeDuration NOTIFY quadrantChanged)

  // The drawn arcs, oldest first: [{ turn, sweep (degrees, counter-clockwise when positive),
  // hue, saturation, brightness, animated }]. Arcs hidden under a later full circle are dropped.
  Q_PROPERTY(QVariantList arcs READ arcs NOTIFY arcsChanged)
  // Where the arrow turns to in the current turn, from 0, in degrees counter-clockwise.
  Q_PROPERTY(double arrowDegrees READ arrowDegrees NOTIFY arrowChanged)
  Q_PROPERTY(bool arrowAnimated READ arrowAnimated NOTIFY arrowChanged)
  // Counts the arrow's turns, so that a view restarts its rotation even for an equal angle.
  Q_PROPERTY(int arrowRun READ arrowRun NOTIFY arrowChanged)

  Q_PROPERTY(bool projectionsVisible READ projectionsVisible NOTIFY projectionsChanged)
  Q_PROPERTY(bool projectionsAnimated READ projectionsAnimated NOTIFY projectionsChanged)
  // The point on the circle at the arc length b, or at the angle set by hand: (cos, sin).
  Q_PROPERTY(double pointX READ pointX NOTIFY pointChanged)
  Q_PROPERTY(double pointY READ pointY NOTIFY pointChanged)

 public:
  static constexpr int kDefaultTurnDurationMs = 1000;
  static constexpr int kQuadrantFadeOutMs = 500;
  static constexpr int kQuadrantFadeInMs = 1000;

  explicit UnitCircleChartView(QObject* parent = nullptr);

  QVariant chartStep() const { return chartStep_; }
  void setChartStep(const QVariant& step);
  // The same without the QML wrapping.
  void setChartData(const UnitCircleChartData& data);

  bool isAnimationRunning() const { return running_; }
  bool animateAgainEnabled() const { return !running_; }
  double animateAgainOpacity() const { return running_ ? 0.5 : 1.0; }
  bool captureMode() const { return captureMode_; }
  void setCaptureMode(bool capture);
  int turnDuration() const { return turnDurationMs_; }
  void setTurnDuration(int milliseconds);

  QString alphaText() const { return alphaText_; }
  QString gammaText() const { return gammaText_; }
  QString fullCirclesText() const { return fullCirclesText_; }
  QString pXText() const { return pXText_; }
  QString pYText() const { return pYText_; }
  int shownQuadrant() const { return shownQuadrant_; }
  int quadrantFadeDuration() const { return quadrantFadeMs_; }
  QVariantList arcs() const { return arcs_; }
  double arrowDegrees() const { return arrowDegrees_; }
  bool arrowAnimated() const { return arrowAnimated_; }
  int arrowRun() const { return arrowRun_; }
  bool projectionsVisible() const { return projectionsVisible_; }
  bool projectionsAnimated() const { return projectionsAnimated_; }
  double pointX() const { return pointX_; }
  double pointY() const { return pointY_; }

  // Runs the animation once; ignored while one runs or without complete data.
  Q_INVOKABLE void startAnimation();
  Q_INVOKABLE void tappedAnimateAgain() { startAnimation(); }

  // The whole drawing of an angle set by hand, at once: one arc to it, the arrow, the point
  // and its projections, α and γ, x and y, its quadrant; a run in progress ends.
  Q_INVOKABLE void showSetAngle(int degrees);
  // Back to the end of the solution's run, after a set angle was dropped.
  Q_INVOKABLE void showSolution();

  // How a tapped step's highlight (a StepHighlight) shows a part of the drawing ("arc" with
  // its index among the arcs, "alpha", "gamma", "n", "x", "y", "quadrant"): 1 stressed,
  // 0 as usual, -1 faded.
  Q_INVOKABLE int stress(int highlight, const QString& part, int index = 0) const;

 signals:
  void chartStepChanged();
  void runningChanged();
  void captureModeChanged();
  void turnDurationChanged();
  void labelsChanged();
  void quadrantChanged();
  void arcsChanged();
  void arrowChanged();
  void projectionsChanged();
  void pointChanged();
  // A run ended (also in capture mode, before startAnimation returns).
  void finished();

 private:
  void startTurn(std::int64_t index);
  void showCount(int k);
  void tick();
  void finish();
  void showFinalStateAtOnce();
  void setRunning(bool running);
  void setQuadrant(int shown, int fadeMs);
  void showState(const CircleState& state);
  static QVariantMap arcMap(const CircleArc& arc, bool animated);
  void addArc(const UnitCircleTurns::Turn& turn, bool animated);
  void turnArrow(const UnitCircleTurns::Turn& turn, bool animated);
  void setProjections(bool visible, bool animated);
  void setPoint(double x, double y);

  QVariant chartStep_;
  std::optional<UnitCircleChartData> data_;
  std::optional<UnitCircleTurns> turns_;
  bool running_ = false;
  bool captureMode_ = false;
  int turnDurationMs_ = kDefaultTurnDurationMs;

  QString alphaText_ = QStringLiteral("0°");
  QString gammaText_ = QStringLiteral("0°");
  QString fullCirclesText_ = QStringLiteral("0");
  QString pXText_ = QStringLiteral("1.0");
  QString pYText_ = QStringLiteral("0.0");
  int shownQuadrant_ = 0;
  int quadrantFadeMs_ = 0;
  QVariantList arcs_;
  double arrowDegrees_ = 0;
  bool arrowAnimated_ = false;
  int arrowRun_ = 0;
  bool projectionsVisible_ = false;
  bool projectionsAnimated_ = false;
  double pointX_ = 1;
  double pointY_ = 0;

  QTimer clock_;  // one tick per counting update
  UnitCircleTurns::Turn current_;
  int k_ = 0;
};

}  // namespace uc
