#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <optional>
#include <utility>

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
  // Told only when it changes: as the point moves within a quadrant, it stays.
  Q_PROPERTY(QVariantList sharedAngles READ sharedAngles NOTIFY sharedAnglesChanged)
  Q_PROPERTY(QString valueText READ valueText NOTIFY pointChanged)
  Q_PROPERTY(bool snap READ snap WRITE setSnap NOTIFY snapChanged)

  // The graph: "sin", "cos" or "tan". Laid out on the unit square, y downwards, so that the
  // view only scales it to its size, and split by how often each part changes, so that a move
  // of the point hands the view only what moved.
  Q_PROPERTY(QString graphFunction READ graphFunction WRITE setGraphFunction NOTIFY graphWindowChanged)
  // With the turn and the function: {color, xMin, xMax, yMin, yMax, curve: [[QPointF]],
  //  xTicks: [{position, label}], yTicks: [{position, label}], zero: y of the x axis}
  Q_PROPERTY(QVariantMap graphWindow READ graphWindow NOTIFY graphWindowChanged)
  // With each move: the part of the plot's width the swept part of this turn covers (its curve
  // drawn strong there; from == to where nothing is swept), and the tracer, a QPointF or
  // undefined.
  Q_PROPERTY(int sweptMin READ sweptMin NOTIFY trailChanged)
  Q_PROPERTY(int sweptMax READ sweptMax NOTIFY trailChanged)
  Q_PROPERTY(double trailFrom READ trailFrom NOTIFY trailChanged)
  Q_PROPERTY(double trailTo READ trailTo NOTIFY trailChanged)
  Q_PROPERTY(QVariant tracer READ tracer NOTIFY tracerChanged)
  // With the inverse question: the line's y, or undefined, and [{position, latex}].
  Q_PROPERTY(QVariant graphLine READ graphLine NOTIFY graphLineChanged)
  Q_PROPERTY(QVariantList crossings READ crossings NOTIFY graphLineChanged)

  // The inverse question: the function chosen, the value as typed on the keypad or a keyboard
  // or set by dragging the line, and what was asked.
  Q_PROPERTY(QString inverseFunction READ inverseFunction WRITE setInverseFunction NOTIFY inverseChanged)
  Q_PROPERTY(QString inverseDraft READ inverseDraft WRITE setInverseDraft NOTIFY inverseDraftChanged)
  Q_PROPERTY(bool inverseAsked READ inverseAsked NOTIFY inverseChanged)
  Q_PROPERTY(QString inverseText READ inverseText NOTIFY inverseChanged)
  // [{degrees, latex, generalLatex, exact, x, y}]; (x, y) is where it lies on the circle
  Q_PROPERTY(QVariantList inverseSolutions READ inverseSolutions NOTIFY inverseChanged)
  // Why there is no list: the value cannot be read, or it is never taken ("no solution").
  Q_PROPERTY(QString inverseMessage READ inverseMessage NOTIFY inverseChanged)
  Q_PROPERTY(bool inverseUnreadable READ inverseUnreadable NOTIFY inverseChanged)
  // The value read, for the line on the circle; undefined until one is.
  Q_PROPERTY(QVariant inverseValue READ inverseValue NOTIFY inverseChanged)
  // Where the line's handle sits: the value asked, 0 without one, never beyond how far the
  // line may be dragged.
  Q_PROPERTY(double handleValue READ handleValue NOTIFY inverseChanged)

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
  QVariantList sharedAngles() const { return sharedAngles_; }
  QString valueText() const;

  bool snap() const { return snap_; }
  void setSnap(bool snap);

  QString graphFunction() const;
  void setGraphFunction(const QString& function);
  int sweptMin() const { return sweptMin_; }
  int sweptMax() const { return sweptMax_; }
  QVariantMap graphWindow() const { return graphWindow_; }
  double trailFrom() const { return trailFrom_; }
  double trailTo() const { return trailTo_; }
  QVariant tracer() const { return tracer_; }
  QVariant graphLine() const { return graphLine_; }
  QVariantList crossings() const { return crossings_; }

  bool inverseAsked() const { return reading_.has_value(); }
  QString inverseFunction() const;
  void setInverseFunction(const QString& function);
  QString inverseDraft() const { return draft_; }
  void setInverseDraft(const QString& draft);
  QString inverseText() const { return inverseText_; }
  QVariantList inverseSolutions() const;
  QString inverseMessage() const;
  bool inverseUnreadable() const { return reading_ && !reading_->solutions; }
  QVariant inverseValue() const;
  double handleValue() const;

  // A pointer at (dx, dy) from the centre, y upwards: the point follows it.
  Q_INVOKABLE void pointerMoved(double dx, double dy);
  // An arrow key: direction > 0 counter-clockwise.
  Q_INVOKABLE void step(int direction);
  Q_INVOKABLE void clearTrail();
  // "sin", "cos" or "tan" and the value as typed; the graph turns to that function.
  Q_INVOKABLE void setInverse(const QString& function, const QString& text);
  Q_INVOKABLE void clearInverse();
  // The keypad and a keyboard edit the value by the practice's rules; ask puts the question.
  Q_INVOKABLE void typeKey(const QString& key);
  Q_INVOKABLE void typeOnKeyboard(const QString& character);
  Q_INVOKABLE void deleteBackward();
  Q_INVOKABLE void askInverse(const QString& function);
  // The line of the chosen function dragged to raw, in circle units (sin: its height, cos: its
  // x, tan: the height on x = 1): snapped while snapping, asked as if typed.
  Q_INVOKABLE void dragInverseLine(double raw);

 signals:
  void pointChanged();
  void sharedAnglesChanged();
  void snapChanged();
  void graphWindowChanged();
  void trailChanged();
  void tracerChanged();
  void graphLineChanged();
  void inverseChanged();
  void inverseDraftChanged();

 private:
  void updateGraph();

  void updateSharedAngles();

  explore::PointState state_;
  QVariantList sharedAngles_;
  bool snap_ = true;
  explore::TrigFunction graphFunction_ = explore::TrigFunction::sin;
  int sweptMin_ = 0;
  int sweptMax_ = 0;
  // The turn and function graphWindow_ was made for.
  struct WindowKey {
    explore::TrigFunction function;
    double xMin;
    bool operator==(const WindowKey&) const = default;
  };
  std::optional<WindowKey> windowKey_;
  QVariantMap graphWindow_;
  std::pair<int, int> reportedSweep_{0, 0};
  double trailFrom_ = 0;
  double trailTo_ = 0;
  QVariant tracer_;
  QVariant graphLine_;
  QVariantList crossings_;
  explore::TrigFunction inverseFunction_ = explore::TrigFunction::sin;
  QString inverseText_;
  QString draft_;
  std::optional<explore::InverseReading> reading_;
};

}  // namespace uc
