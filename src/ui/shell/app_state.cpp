#include "ui/shell/app_state.h"

#include <QJSEngine>

namespace uc {

AppState& AppState::shared() {
  static AppState* instance = new AppState();
  return *instance;
}

AppState* AppState::create(QQmlEngine*, QJSEngine*) {
  AppState* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

void AppState::setCalculating(bool calculating) {
  if (calculating == calculating_) return;
  calculating_ = calculating;
  emit isCalculatingChanged();
}

void AppState::setCapturingScreenshot(bool capturing) {
  if (capturing == capturing_) return;
  capturing_ = capturing;
  emit isCapturingScreenshotChanged();
}

}  // namespace uc
