#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>
#include <QPointF>
#include <QString>
#include <QUrl>

namespace uc {

// The help screen: one help image that can be zoomed and panned, a title and a close
// button. The image is looked up in the user's language first ("kv_info_de"), then by its
// plain name.
class ManualViewController : public QObject {
  Q_OBJECT
  // Its view, ManualViewController.qml, has its name.
  QML_NAMED_ELEMENT(ManualViewControllerLogic)
  Q_PROPERTY(QString imageName READ imageName WRITE setImageName NOTIFY imageNameChanged)
  Q_PROPERTY(QUrl imageSource READ imageSource NOTIFY imageNameChanged)
  Q_PROPERTY(QString labelText READ labelText CONSTANT)
  Q_PROPERTY(QString closeButtonName READ closeButtonName CONSTANT)
  Q_PROPERTY(double minimumZoom MEMBER kMinimumZoom CONSTANT)
  Q_PROPERTY(double maximumZoom MEMBER kMaximumZoom CONSTANT)

 public:
  static constexpr char kCloseButtonIdentifier[] = "closeManualButton";
  static constexpr double kMinimumZoom = 1.0;
  static constexpr double kMaximumZoom = 4.0;
  // Where the app's images are.
  static constexpr char kImageFolder[] = ":/unitcircle/images/";

  explicit ManualViewController(QObject* parent = nullptr);

  QString imageName() const { return imageName_; }
  void setImageName(const QString& name);
  // The image file for the name in this language; empty when there is none.
  QUrl imageSource() const;
  static QUrl imageSourceFor(const QString& name, const QString& languageCode);

  QString labelText() const;
  QString closeButtonName() const;

  // A zoom kept between the smallest (the image fits the width) and the largest.
  Q_INVOKABLE static double clampedZoom(double zoom);
  // The scroll position that keeps the image point under `point` (in view coordinates) in
  // place when the zoom goes from `from` to `to`.
  Q_INVOKABLE static QPointF contentPositionForZoom(const QPointF& contentPosition,
                                                    const QPointF& point, double from, double to);

  Q_INVOKABLE void closeButtonPressed() { emit closeRequested(); }

 signals:
  void imageNameChanged();
  void closeRequested();

 private:
  QString imageName_;
};

}  // namespace uc
