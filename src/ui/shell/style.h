#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QObject>
#include <QPointer>

namespace uc {

// Per-item styling by tag, as an attached property:
//   Rectangle { Style.tag: 103 }          // background: the palette colour of the tag
//   Item { Style.tag: 200 }               // dimmed: opacity 0.3 dark, 0.5 light
//   Label { color: Style.textColor }
// Setting the tag writes "color" (tags 101..105) or "opacity" (tag 200) on the item when it
// has such a property; the read-only values are there for anything else to bind to.
class StyleAttached : public QObject {
  Q_OBJECT
  QML_ANONYMOUS
  Q_PROPERTY(int tag READ tag WRITE setTag NOTIFY tagChanged)
  Q_PROPERTY(QColor background READ background NOTIFY tagChanged)
  Q_PROPERTY(double opacity READ opacity NOTIFY tagChanged)
  Q_PROPERTY(QColor textColor READ textColor CONSTANT)
  Q_PROPERTY(bool shadowed READ shadowed CONSTANT)
  Q_PROPERTY(QColor shadowColor READ shadowColor CONSTANT)

 public:
  explicit StyleAttached(QObject* target);

  int tag() const { return tag_; }
  void setTag(int tag);
  QColor background() const;
  double opacity() const;
  // Titles and tints of buttons.
  QColor textColor() const;
  // The light-appearance shadow of styled views (none in dark appearance).
  bool shadowed() const;
  QColor shadowColor() const;

 signals:
  void tagChanged();

 private:
  QPointer<QObject> target_;
  int tag_ = 0;
};

class Style : public QObject {
  Q_OBJECT
  QML_ELEMENT
  QML_UNCREATABLE("Style is only available as an attached property.")
  QML_ATTACHED(StyleAttached)

 public:
  static StyleAttached* qmlAttachedProperties(QObject* target) { return new StyleAttached(target); }
};

}  // namespace uc
