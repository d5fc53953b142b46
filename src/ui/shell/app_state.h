#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>

class QQmlEngine;
class QJSEngine;

namespace uc {

// Application-wide flags and the notification the screens share.
class AppState : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  // True while a calculation runs: the keypad, calculate, the second half of clear-all and the
  // menu button do nothing then.
  Q_PROPERTY(bool isCalculating READ isCalculating NOTIFY isCalculatingChanged)
  // True while the shared solution image is being drawn; chart views read it.
  Q_PROPERTY(
      bool isCapturingScreenshot READ isCapturingScreenshot NOTIFY isCapturingScreenshotChanged)

 public:
  // The one instance; QML gets the same one (Qt 6.4 would construct its own for a type that
  // has a public default constructor, so there is none).
  static AppState& shared();
  static AppState* create(QQmlEngine*, QJSEngine*);

  bool isCalculating() const { return calculating_; }
  void setCalculating(bool calculating);
  bool isCapturingScreenshot() const { return capturing_; }
  void setCapturingScreenshot(bool capturing);

  // Asks whichever solution screen exists to empty itself.
  void postClearCurrentCalculation() { emit clearCurrentCalculationNotification(); }

 signals:
  void isCalculatingChanged();
  void isCapturingScreenshotChanged();
  void clearCurrentCalculationNotification();

 private:
  AppState() = default;
  bool calculating_ = false;
  bool capturing_ = false;
};

}  // namespace uc
