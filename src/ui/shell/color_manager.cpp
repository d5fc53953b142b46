#include "ui/shell/color_manager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJSEngine>
#include <QPalette>
#include <algorithm>
#include <utility>

namespace uc {
namespace {

std::function<bool()>& appearanceProbe() {
  static std::function<bool()> probe;
  return probe;
}

// Brightness times 0.7 at equal hue and saturation is each component times 0.7.
QColor paletteColor(double red, double green, double blue, bool dark) {
  const double k = dark ? 0.7 : 1.0;
  return QColor::fromRgbF(float(red * k), float(green * k), float(blue * k), 1.0f);
}

QColor rgb(int red, int green, int blue, double alpha = 1.0) {
  QColor color(red, green, blue);
  color.setAlphaF(float(alpha));
  return color;
}

QVariantMap shadow(bool visible, const QColor& color, double opacity, double offsetY,
                   double radius) {
  return {{"visible", visible}, {"clip", false},      {"color", color},  {"opacity", opacity},
          {"offsetX", 0.0},     {"offsetY", offsetY}, {"radius", radius}};
}

}  // namespace

ColorManager::ColorManager(bool dark, QObject* parent)
    : QObject(parent),
      dark_(dark),
      primaryDark_(paletteColor(0.79, 0.44, 0.33, dark)),
      primary_(paletteColor(1.0, 0.82, 0.69, dark)),
      secondary_(paletteColor(1.0, 0.62, 0.5, dark)),
      accent_(paletteColor(0.7, 0.87, 0.86, dark)),
      accentDark_(paletteColor(0.51, 0.68, 0.66, dark)) {}

ColorManager& ColorManager::shared() {
  static ColorManager* instance = new ColorManager(isDarkAppearanceNow());
  return *instance;
}

ColorManager* ColorManager::create(QQmlEngine*, QJSEngine*) {
  ColorManager* instance = &shared();
  QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
  return instance;
}

bool ColorManager::isDarkAppearanceNow() {
  if (appearanceProbe()) return appearanceProbe()();
  const QByteArray forced = qgetenv("UNITCIRCLE_APPEARANCE").toLower();
  if (forced == "dark") return true;
  if (forced == "light") return false;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
  }
  return false;
}

void ColorManager::setAppearanceProbe(std::function<bool()> probe) {
  appearanceProbe() = std::move(probe);
}

QColor ColorManager::darkTextColor() const { return QColor::fromRgbF(0.1f, 0.1f, 0.1f, 1.0f); }
QColor ColorManager::lightTextColor() const { return QColor::fromRgbF(0.9f, 0.9f, 0.9f, 1.0f); }
QColor ColorManager::systemBackgroundColor() const {
  return dark_ ? rgb(0, 0, 0) : rgb(255, 255, 255);
}
QColor ColorManager::systemFillColor() const { return rgb(120, 120, 128, dark_ ? 0.36 : 0.2); }
QColor ColorManager::labelColor() const { return dark_ ? rgb(255, 255, 255) : rgb(0, 0, 0); }
QColor ColorManager::tertiaryGroupedBackgroundColor() const {
  return dark_ ? rgb(44, 44, 46) : rgb(242, 242, 247);
}
QColor ColorManager::systemGrayColor() const { return rgb(142, 142, 147); }
QColor ColorManager::systemGray4Color() const {
  return dark_ ? rgb(58, 58, 60) : rgb(209, 209, 214);
}
QColor ColorManager::orangeColor() const { return dark_ ? rgb(255, 159, 10) : rgb(255, 149, 0); }
QColor ColorManager::redColor() const { return dark_ ? rgb(255, 69, 58) : rgb(255, 59, 48); }

QString ColorManager::hexString(const QColor& color) {
  if (!color.isValid()) return {};
  const QColor c = color.toRgb();
  const auto component = [](float f) { return static_cast<int>(double(f) * 255.0); };
  const int value =
      component(c.redF()) * 65536 + component(c.greenF()) * 256 + component(c.blueF());
  return QStringLiteral("#%1").arg(value, 6, 16, QLatin1Char('0'));
}

QColor ColorManager::adaptedForDarkMode(const QColor& color, double factor) const {
  if (!isDarkAppearanceNow() || !color.isValid()) return color;
  const QColor hsv = color.toHsv();
  const double brightness = std::clamp(double(hsv.valueF()) * factor, 0.0, 1.0);
  return QColor::fromHsvF(hsv.hsvHueF(), hsv.hsvSaturationF(), float(brightness), hsv.alphaF());
}

QColor ColorManager::colorForTag(int tag) const {
  switch (tag) {
    case 101:
      return primaryDark_;
    case 102:
      return primary_;
    case 103:
      return secondary_;
    case 104:
      return accent_;
    case 105:
      return accentDark_;
    default:
      return {};
  }
}

double ColorManager::opacityForTag(int tag) {
  if (tag != 200) return 1.0;
  return isDarkAppearanceNow() ? 0.3 : 0.5;
}

QColor ColorManager::fieldBorderColor(int borderState) const {
  switch (borderState) {
    case 1:
      return orangeColor();
    case 2:
      return redColor();
    default:
      return adaptiveGrayColor();
  }
}

QVariantMap ColorManager::viewShadow() const {
  return shadow(!isDarkAppearanceNow(), systemGrayColor(), 0.7, 1.0, 1.0);
}

QVariantMap ColorManager::cardShadow() const {
  const bool dark = isDarkAppearanceNow();
  return shadow(true, labelColor(), 0.5, dark ? 0.0 : 1.5, dark ? 1.0 : 2.0);
}

}  // namespace uc
