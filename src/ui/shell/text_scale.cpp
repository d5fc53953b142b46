#include "ui/shell/text_scale.h"

#include <QJSEngine>
#include <algorithm>

#include "flow/user_defaults.h"

namespace uc {

TextScale::TextScale(UserDefaults& store, QObject* parent)
    : QObject(parent),
      store_(store),
      percent_(snapped(store.intValue(QString::fromLatin1(kTextScaleKey), kMinimumPercent))) {}

TextScale& TextScale::shared() {
  static TextScale* instance = new TextScale(UserDefaults::standard());
  return *instance;
}

TextScale* TextScale::create(QQmlEngine*, QJSEngine*) {
  TextScale* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

int TextScale::snapped(int percent) {
  const int clamped = std::clamp(percent, kMinimumPercent, kMaximumPercent);
  const int steps = (clamped - kMinimumPercent + kStepPercent / 2) / kStepPercent;
  return kMinimumPercent + steps * kStepPercent;
}

bool TextScale::setPercent(int percent) {
  const int next = snapped(percent);
  if (next == percent_) return false;
  percent_ = next;
  store_.setInt(QString::fromLatin1(kTextScaleKey), percent_);
  emit factorChanged();
  return true;
}

bool TextScale::enlarge() { return setPercent(percent_ + kStepPercent); }
bool TextScale::reduce() { return setPercent(percent_ - kStepPercent); }
bool TextScale::reset() { return setPercent(kMinimumPercent); }

}  // namespace uc
