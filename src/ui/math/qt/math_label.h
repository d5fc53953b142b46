#pragma once

#include <QtQml/qqmlregistration.h>

#include <QColor>
#include <QQuickPaintedItem>
#include <QString>

#include "ui/math/display_list.h"

namespace uc::math {

// A formula drawn by our typesetter; sizes itself from the layout.
class MathLabel : public QQuickPaintedItem {
  Q_OBJECT
  QML_ELEMENT
  Q_PROPERTY(QString latex READ latex WRITE setLatex NOTIFY latexChanged)
  Q_PROPERTY(qreal fontSize READ fontSize WRITE setFontSize NOTIFY fontSizeChanged)
  Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
  Q_PROPERTY(bool displayStyle READ displayStyle WRITE setDisplayStyle NOTIFY displayStyleChanged)
  Q_PROPERTY(QString spokenText READ spokenText NOTIFY latexChanged)
  Q_PROPERTY(bool hasErrors READ hasErrors NOTIFY latexChanged)

 public:
  explicit MathLabel(QQuickItem* parent = nullptr);

  QString latex() const { return latex_; }
  void setLatex(const QString& latex);
  qreal fontSize() const { return fontSize_; }
  void setFontSize(qreal size);
  QColor color() const { return color_; }
  void setColor(const QColor& color);
  bool displayStyle() const { return displayStyle_; }
  void setDisplayStyle(bool display);
  QString spokenText() const { return spoken_; }
  bool hasErrors() const { return hasErrors_; }

  void paint(QPainter* painter) override;

 signals:
  void latexChanged();
  void fontSizeChanged();
  void colorChanged();
  void displayStyleChanged();

 protected:
  void componentComplete() override;

 private:
  void relayout();
  void resize();
  void publishAccessibleName();
  qreal padding() const;

  QString latex_;
  qreal fontSize_ = 20;
  QColor color_ = Qt::black;
  bool displayStyle_ = true;
  QString spoken_;
  bool hasErrors_ = false;
  DisplayList display_;
};

}  // namespace uc::math
