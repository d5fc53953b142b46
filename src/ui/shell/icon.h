#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QPainterPath>
#include <QQuickPaintedItem>
#include <QString>

namespace uc {

// The path of an SVG path string ("M3 18h18v-2H3v2z") for the commands M, L, H, V, C, S and Z
// (absolute and relative); the rest of the text after anything else is ignored.
QPainterPath svgPath(const QString& data);

// One of the app's icons in one colour, drawn from its path in a 24 × 24 box scaled to the
// item. Painted rather than built from shapes: no multisampled layer is needed for smooth
// edges, which keeps the first frame quick.
class Icon : public QQuickPaintedItem {
  Q_OBJECT
  QML_ELEMENT
  // "menu", "backspace", "check", "share", "edit", "delete", "clear", "drag", "history",
  // "lock.fill", "lock.open.fill", "play", "help", "videoHelp", "close", "videoOff", "cloudOff",
  // "present" or "pdf".
  Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
  Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

 public:
  explicit Icon(QQuickItem* parent = nullptr);

  // The 24 × 24 path of a named icon; empty for an unknown name.
  static QPainterPath pathFor(const QString& name);

  QString name() const { return name_; }
  void setName(const QString& name);
  QColor color() const { return color_; }
  void setColor(const QColor& color);

  void paint(QPainter* painter) override;

 signals:
  void nameChanged();
  void colorChanged();

 private:
  QString name_;
  QColor color_ = Qt::black;
  QPainterPath path_;
};

}  // namespace uc
