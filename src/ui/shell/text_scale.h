#pragma once

#include <QtQml/qqmlregistration.h>

#include <QObject>

class QQmlEngine;
class QJSEngine;

namespace uc {

class UserDefaults;

// How large the app's text is drawn, from 100 % to 200 % in steps of 25 %. Every text size in
// the views is its normal size times `factor`, so layouts that follow their text grow with it.
// The learner's choice is kept in the settings store; without one the text is at 100 %.
class TextScale : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON
  Q_PROPERTY(double factor READ factor NOTIFY factorChanged)
  Q_PROPERTY(int percent READ percent NOTIFY factorChanged)
  Q_PROPERTY(bool canEnlarge READ canEnlarge NOTIFY factorChanged)
  Q_PROPERTY(bool canReduce READ canReduce NOTIFY factorChanged)

 public:
  static constexpr char kTextScaleKey[] = "textScalePercent";
  static constexpr int kMinimumPercent = 100;
  static constexpr int kMaximumPercent = 200;
  static constexpr int kStepPercent = 25;

  // Reads and writes the choice in store.
  explicit TextScale(UserDefaults& store, QObject* parent = nullptr);

  // The one instance, over the standard store; QML gets the same one.
  static TextScale& shared();
  static TextScale* create(QQmlEngine*, QJSEngine*);

  int percent() const { return percent_; }
  double factor() const { return percent_ / 100.0; }
  bool canEnlarge() const { return percent_ < kMaximumPercent; }
  bool canReduce() const { return percent_ > kMinimumPercent; }

  // One step up or down, or back to 100 %. Each returns whether the size changed; a change
  // is stored at once.
  Q_INVOKABLE bool enlarge();
  Q_INVOKABLE bool reduce();
  Q_INVOKABLE bool reset();
  // Snapped to the nearest step inside the range.
  Q_INVOKABLE bool setPercent(int percent);

 signals:
  void factorChanged();

 private:
  static int snapped(int percent);

  UserDefaults& store_;
  int percent_ = kMinimumPercent;
};

}  // namespace uc
