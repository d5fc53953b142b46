#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QString>

namespace uc {

// Setting α by hand on the unit circle: dragging the point, or the arrow keys, with the core's
// snapping (core/charts/angle_drag.h); the view shows the live value and one tap calculates it.
class AngleDrag : public QObject {
  Q_OBJECT
  QML_ELEMENT
  Q_PROPERTY(bool active READ isActive NOTIFY changed)
  Q_PROPERTY(int degrees READ degrees NOTIFY changed)
  // "α = 150°", for the live label and screen readers.
  Q_PROPERTY(QString valueText READ valueText NOTIFY changed)
  // What the input page's α field gets: "150".
  Q_PROPERTY(QString alphaInput READ alphaInput NOTIFY changed)

 public:
  explicit AngleDrag(QObject* parent = nullptr) : QObject(parent) {}

  bool isActive() const { return active_; }
  int degrees() const { return degrees_; }
  QString valueText() const;
  QString alphaInput() const { return QString::number(degrees_); }

  // Starts from the angle on screen (any number of degrees; its place on the circle counts).
  Q_INVOKABLE void begin(double shownDegrees);
  // The pointer at (dx, dy) from the centre, y upwards; the centre itself has no direction
  // and changes nothing.
  Q_INVOKABLE void dragTo(double dx, double dy, bool fine);
  // One step counter-clockwise (+1) or clockwise (-1).
  Q_INVOKABLE void step(int direction, bool fine);
  Q_INVOKABLE void end();

  // degrees on [0, 360) at the nearest multiple of step.
  static int snapped(double degrees, int step);

 signals:
  void changed();

 private:
  void set(int degrees);

  bool active_ = false;
  int degrees_ = 0;
};

}  // namespace uc
