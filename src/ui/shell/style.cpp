#include "ui/shell/style.h"

#include <QMetaProperty>

#include "ui/shell/color_manager.h"

namespace uc {
namespace {

bool hasProperty(const QObject* object, const char* name) {
  return object && object->metaObject()->indexOfProperty(name) >= 0;
}

}  // namespace

StyleAttached::StyleAttached(QObject* target) : QObject(target), target_(target) {}

void StyleAttached::setTag(int tag) {
  if (tag == tag_) return;
  tag_ = tag;
  const QColor color = background();
  if (color.isValid() && hasProperty(target_, "color")) target_->setProperty("color", color);
  if (tag_ == 200 && hasProperty(target_, "opacity")) target_->setProperty("opacity", opacity());
  emit tagChanged();
}

QColor StyleAttached::background() const { return ColorManager::shared().colorForTag(tag_); }

double StyleAttached::opacity() const { return ColorManager::opacityForTag(tag_); }

QColor StyleAttached::textColor() const { return ColorManager::shared().darkTextColor(); }

bool StyleAttached::shadowed() const { return !ColorManager::isDarkAppearanceNow(); }

QColor StyleAttached::shadowColor() const { return ColorManager::shared().systemGrayColor(); }

}  // namespace uc
