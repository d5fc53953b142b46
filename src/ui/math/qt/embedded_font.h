#pragma once

#include <QRawFont>
#include <memory>

#include "ui/math/math_font.h"

namespace uc::math {

// Latin Modern Math from the Qt resources (GUST Font License, see the licence beside it).
std::shared_ptr<const MathFont> embeddedMathFont();

// The same font for QPainter at a pixel size; needs a QGuiApplication.
QRawFont embeddedRawFont(qreal pixelSize);

}  // namespace uc::math
