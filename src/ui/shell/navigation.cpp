#include "ui/shell/navigation.h"

#include <QQmlEngine>

namespace uc {

Navigation& Navigation::shared() {
  static Navigation* const instance = new Navigation;
  return *instance;
}

Navigation* Navigation::create(QQmlEngine*, QJSEngine*) {
  Navigation* navigation = &shared();
  // The process owns it, not the engine.
  QQmlEngine::setObjectOwnership(navigation, QQmlEngine::CppOwnership);
  return navigation;
}

}  // namespace uc
