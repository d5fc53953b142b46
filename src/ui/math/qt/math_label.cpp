#include "math_label.h"

#include <QAccessible>
#include <QPainter>
#include <QQmlContext>
#include <QQmlProperty>
#include <cmath>

#include "embedded_font.h"
#include "qt_painter.h"
#include "ui/math/parser.h"
#include "ui/math/spoken_text.h"
#include "ui/math/typesetter.h"

namespace uc::math {

MathLabel::MathLabel(QQuickItem* parent) : QQuickPaintedItem(parent) {
  setAntialiasing(true);
  setFlag(ItemHasContents, true);
  relayout();
}

void MathLabel::setLatex(const QString& latex) {
  if (latex == latex_) return;
  latex_ = latex;
  relayout();
  emit latexChanged();
}

void MathLabel::setFontSize(qreal size) {
  if (size <= 0 || qFuzzyCompare(size, fontSize_)) return;
  fontSize_ = size;
  resize();
  emit fontSizeChanged();
}

void MathLabel::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
  emit colorChanged();
}

void MathLabel::setDisplayStyle(bool display) {
  if (display == displayStyle_) return;
  displayStyle_ = display;
  relayout();
  emit displayStyleChanged();
}

qreal MathLabel::padding() const { return std::ceil(fontSize_ * 0.1); }

void MathLabel::relayout() {
  QByteArray utf8 = latex_.toUtf8();
  ParseResult parsed = parse(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
  hasErrors_ = !parsed.errors.empty();
  const MathFont& font = *embeddedMathFont();
  display_ = buildDisplayList(
      typeset(parsed.list, font, displayStyle_ ? MathStyle::Display : MathStyle::Text),
      font.unitsPerEm());
  spoken_ = QString::fromStdString(uc::math::spokenText(parsed.list));
  publishAccessibleName();
  resize();
}

void MathLabel::resize() {
  const float px = static_cast<float>(fontSize_);
  const qreal pad = padding();
  setImplicitWidth(std::ceil(display_.pixels(display_.width, px) + 2 * pad));
  setImplicitHeight(std::ceil(display_.pixels(display_.height + display_.depth, px) + 2 * pad));
  setBaselineOffset(pad + display_.pixels(display_.height, px));
  update();
}

void MathLabel::componentComplete() {
  QQuickPaintedItem::componentComplete();
  publishAccessibleName();
}

// The Accessible attached object is only reachable through QML's property names.
void MathLabel::publishAccessibleName() {
  QQmlContext* context = qmlContext(this);
  if (!context || !isComponentComplete()) return;
  QQmlProperty role(this, QStringLiteral("Accessible.role"), context);
  if (role.isValid()) role.write(static_cast<int>(QAccessible::StaticText));
  QQmlProperty name(this, QStringLiteral("Accessible.name"), context);
  if (name.isValid()) name.write(spoken_);
}

void MathLabel::paint(QPainter* painter) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setRenderHint(QPainter::TextAntialiasing);
  QtMathPainter backend(*painter);
  PaintOptions options;
  options.pixelSize = static_cast<float>(fontSize_);
  options.originX = static_cast<float>(padding());
  options.baselineY = static_cast<float>(baselineOffset());
  options.color = color_.rgba();
  uc::math::paint(display_, backend, options);
}

}  // namespace uc::math
