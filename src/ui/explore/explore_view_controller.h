#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

#include "core/explore/explore_point.h"
#include "core/explore/inverse_solutions.h"

namespace uc {

// The Explore screen: a point moved round the unit circle by a pointer or the arrow keys, with
// sin, cos and tan moving with it, one function's graph with the part swept so far, and the
// question "for which α is f(α) = c?". Every number, text and solution comes from the core;
// the view only draws what this hands it.
class ExploreViewController : public QObject {
  Q_OBJECT
  // Its view, ExploreViewController.qml, has its name.
  QML_NAMED_ELEMENT(ExploreViewControllerLogic)
  Q_PROPERTY(QString title READ title CONSTANT)

  // The point.
  Q_PROPERTY(int degrees READ degrees WRITE setDegrees NOTIFY pointChanged)
  Q_PROPERTY(int positionDegrees READ positionDegrees NOTIFY pointChanged)
  Q_PROPERTY(double pointX READ pointX NOTIFY pointChanged)
  Q_PROPERTY(double pointY READ pointY NOTIFY pointChanged)
  Q_PROPERTY(QString alphaLatex READ alphaLatex NOTIFY pointChanged)
  Q_PROPERTY(QString radiansLatex READ radiansLatex NOTIFY pointChanged)
  // Empty where the value is undefined.
  Q_PROPERTY(QString sinLatex READ sinLatex NOTIFY pointChanged)
  Q_PROPERTY(QString cosLatex READ cosLatex NOTIFY pointChanged)
  Q_PROPERTY(QString tanLatex READ tanLatex NOTIFY pointChanged)
  Q_PROPERTY(bool tanDefined READ tanDefined NOTIFY pointChanged)
  Q_PROPERTY(double tanValue READ tanValue NOTIFY pointChanged)
  Q_PROPERTY(int referenceDegrees READ referenceDegrees NOTIFY pointChanged)
  Q_PROPERTY(QString referenceLatex READ referenceLatex NOTIFY pointChanged)
  // 1 ... 4, -1 on an axis.
  Q_PROPERTY(int quadrant READ quadrant NOTIFY pointChanged)
  // "II" in a quadrant, empty on an axis.
  Q_PROPERTY(QString quadrantNumeral READ quadrantNumeral NOTIFY pointChanged)
  // "Quadrant II", or "on the negative x-axis", in the learner's language.
  Q_PROPERTY(QString placeText READ placeText NOTIFY pointChanged)
  // The values panel, one formula a line: α, b, sin, cos, tan, the reference angle, the place.
  Q_PROPERTY(QStringList valueLines READ valueLines NOTIFY pointChanged)
  // [{degrees, latex, x, y, sin, cos, tan ("+", "−", "0", "" where undefined), isPoint}]
  Q_PROPERTY(QVariantList sharedAngles READ sharedAngles NOTIFY pointChanged)
  Q_PROPERTY(QString valueText READ valueText NOTIFY pointChanged)
  Q_PROPERTY(bool snap READ snap WRITE setSnap NOTIFY snapChanged)

  // The graph: "sin", "cos" or "tan".
  Q_PROPERTY(QString graphFunction READ graphFunction WRITE setGraphFunction NOTIFY graphChanged)
  Q_PROPERTY(int sweptMin READ sweptMin NOTIFY graphChanged)
  Q_PROPERTY(int sweptMax READ sweptMax NOTIFY graphChanged)
  // Laid out on the unit square, y downwards, so that the view only scales it to its size:
  // {color, xMin, xMax, curve: [[QPointF]], trail: [[QPointF]], tracer: QPointF or undefined,
  //  xTicks: [{position, label}], yTicks: [{position, label}], zero: y of the x axis,
  //  line: y of the inverse line or undefined, crossings: [{position, latex}]}
  Q_PROPERTY(QVariantMap graph READ graph NOTIFY graphChanged)

  // The inverse question.
  Q_PROPERTY(bool inverseAsked READ inverseAsked NOTIFY inverseChanged)
  Q_PROPERTY(QString inverseFunction READ inverseFunction NOTIFY inverseChanged)
  Q_PROPERTY(QString inverseText READ inverseText NOTIFY inverseChanged)
  // [{degrees, latex, generalLatex, exact, x, y}]; (x, y) is where it lies on the circle
  Q_PROPERTY(QVariantList inverseSolutions READ inverseSolutions NOTIFY inverseChanged)
  // Why there is no list: the value cannot be read, or it is never taken ("no solution").
  Q_PROPERTY(QString inverseMessage READ inverseMessage NOTIFY inverseChanged)
  Q_PROPERTY(bool inverseUnreadable READ inverseUnreadable NOTIFY inverseChanged)
  // The value read, for the line on the circle; undefined until one is.
  Q_PROPERTY(QVariant inverseValue READ inverseValue NOTIFY inverseChanged)

 public:
  explicit ExploreViewController(QObject* parent = nullptr);

  QString title() const;

  int degrees() const { return state_.degrees; }
  void setDegrees(int degrees);
  int positionDegrees() const { return state_.positionDegrees; }
  double pointX() const { return state_.pointX; }
  double pointY() const { return state_.pointY; }
  QString alphaLatex() const;
  QString radiansLatex() const;
  QString sinLatex() const;
  QString cosLatex() const;
  QString tanLatex() const;
  bool tanDefined() const { return state_.tan.decimal.has_value(); }
  double tanValue() const { return state_.tan.decimal.value_or(0); }
  int referenceDegrees() const { return state_.referenceDegrees; }
  QString referenceLatex() const;
  int quadrant() const { return state_.quadrant; }
  QString quadrantNumeral() const;
  QString placeText() const;
  QStringList valueLines() const;
  QVariantList sharedAngles() const;
  QString valueText() const;

  bool snap() const { return snap_; }
  void setSnap(bool snap);

  QString graphFunction() const;
  void setGraphFunction(const QString& function);
  int sweptMin() const { return sweptMin_; }
  int sweptMax() const { return sweptMax_; }
  QVariantMap graph() const { return graph_; }

  bool inverseAsked() const { return reading_.has_value(); }
  QString inverseFunction() const;
  QString inverseText() const { return inverseText_; }
  QVariantList inverseSolutions() const;
  QString inverseMessage() const;
  bool inverseUnreadable() const { return reading_ && !reading_->solutions; }
  QVariant inverseValue() const;

  // A pointer at (dx, dy) from the centre, y upwards: the point follows it.
  Q_INVOKABLE void pointerMoved(double dx, double dy);
  // An arrow key: direction > 0 counter-clockwise.
  Q_INVOKABLE void step(int direction);
  Q_INVOKABLE void clearTrail();
  // "sin", "cos" or "tan" and the value as typed; the graph turns to that function.
  Q_INVOKABLE void setInverse(const QString& function, const QString& text);
  Q_INVOKABLE void clearInverse();

 signals:
  void pointChanged();
  void snapChanged();
  void graphChanged();
  void inverseChanged();

 private:
  void updateGraph();

  explore::PointState state_;
  bool snap_ = true;
  explore::TrigFunction graphFunction_ = explore::TrigFunction::sin;
  int sweptMin_ = 0;
  int sweptMax_ = 0;
  QVariantMap graph_;
  explore::TrigFunction inverseFunction_ = explore::TrigFunction::sin;
  QString inverseText_;
  std::optional<explore::InverseReading> reading_;
};

}  // namespace uc
