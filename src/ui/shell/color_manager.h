#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QObject>
#include <QVariantMap>
#include <functional>

class QQmlEngine;
class QJSEngine;

namespace uc {

// The app's palette and the styling rules behind view tags. The palette is fixed when the
// shared instance is made, for the appearance (light or dark) of that moment, and kept for
// the whole run; the styling rules look at the appearance each time they are asked.
class ColorManager : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_SINGLETON

  Q_PROPERTY(bool darkAppearance READ darkAppearance CONSTANT)
  Q_PROPERTY(QColor primaryDarkColor READ primaryDarkColor CONSTANT)
  Q_PROPERTY(QColor primaryColor READ primaryColor CONSTANT)
  Q_PROPERTY(QColor secondaryColor READ secondaryColor CONSTANT)
  Q_PROPERTY(QColor accentColor READ accentColor CONSTANT)
  Q_PROPERTY(QColor accentDarkColor READ accentDarkColor CONSTANT)
  Q_PROPERTY(QColor tintColor READ tintColor CONSTANT)
  Q_PROPERTY(QColor darkTextColor READ darkTextColor CONSTANT)
  Q_PROPERTY(QColor lightTextColor READ lightTextColor CONSTANT)
  Q_PROPERTY(QColor adaptiveGrayColor READ adaptiveGrayColor CONSTANT)
  Q_PROPERTY(QColor systemBackgroundColor READ systemBackgroundColor CONSTANT)
  Q_PROPERTY(QColor systemFillColor READ systemFillColor CONSTANT)
  Q_PROPERTY(QColor labelColor READ labelColor CONSTANT)
  Q_PROPERTY(QColor tertiaryGroupedBackgroundColor READ tertiaryGroupedBackgroundColor CONSTANT)
  Q_PROPERTY(QColor systemGrayColor READ systemGrayColor CONSTANT)
  Q_PROPERTY(QColor systemGray4Color READ systemGray4Color CONSTANT)
  Q_PROPERTY(QColor orangeColor READ orangeColor CONSTANT)
  Q_PROPERTY(QColor redColor READ redColor CONSTANT)

 public:
  explicit ColorManager(bool dark, QObject* parent = nullptr);

  // Made on first use with the appearance of that moment.
  static ColorManager& shared();
  static ColorManager* create(QQmlEngine*, QJSEngine*);

  // Whether the appearance is dark right now. UNITCIRCLE_APPEARANCE=dark|light decides when
  // set, else the application palette. A probe replaces both (tests).
  static bool isDarkAppearanceNow();
  static void setAppearanceProbe(std::function<bool()> probe);

  bool darkAppearance() const { return dark_; }
  QColor primaryDarkColor() const { return primaryDark_; }
  // Text buttons and highlights: the dark brown loses its contrast on dark surfaces, where
  // the peach takes its place.
  QColor tintColor() const { return dark_ ? primary_ : primaryDark_; }
  QColor primaryColor() const { return primary_; }
  QColor secondaryColor() const { return secondary_; }
  QColor accentColor() const { return accent_; }
  QColor accentDarkColor() const { return accentDark_; }
  QColor darkTextColor() const;
  QColor lightTextColor() const;
  // The neutral border grey of the input fields.
  QColor adaptiveGrayColor() const { return dark_ ? systemGrayColor() : systemGray4Color(); }
  QColor systemBackgroundColor() const;
  QColor systemFillColor() const;
  QColor labelColor() const;
  QColor tertiaryGroupedBackgroundColor() const;
  QColor systemGrayColor() const;
  QColor systemGray4Color() const;
  QColor orangeColor() const;
  QColor redColor() const;

  // "#rrggbb", lower case, each component times 255 truncated; empty for an invalid colour.
  Q_INVOKABLE static QString hexString(const QColor& color);
  // In dark appearance the colour with its brightness times factor (0 when not positive,
  // at most 1); in light appearance the colour itself.
  Q_INVOKABLE QColor adaptedForDarkMode(const QColor& color, double factor) const;

  // Tag rules: 101..105 give the palette colour of the tag as background (else an invalid
  // colour); 200 gives opacity 0.3 in dark and 0.5 in light appearance (else 1).
  Q_INVOKABLE QColor colorForTag(int tag) const;
  Q_INVOKABLE static double opacityForTag(int tag);

  // Border of an input field by its state (0 normal, 1 warning, 2 error).
  Q_INVOKABLE QColor fieldBorderColor(int borderState) const;

  // Shadows as {visible, clip, color, opacity, offsetX, offsetY, radius}: the view shadow
  // of styled views exists only in light appearance; the card shadow in both.
  Q_INVOKABLE QVariantMap viewShadow() const;
  Q_INVOKABLE QVariantMap cardShadow() const;

 private:
  bool dark_;
  QColor primaryDark_, primary_, secondary_, accent_, accentDark_;
};

}  // namespace uc
