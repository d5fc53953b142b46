#pragma once

#include <QColor>
#include <QFont>
#include <QPageSize>

namespace uc::print {

// Printed pages draw at 1200 dots per inch, so fraction bars snapped to whole device dots keep
// their true thickness; sizes are given in points and scaled by kPoint.
inline constexpr int kResolution = 1200;
inline constexpr double kPoint = kResolution / 72.0;

enum class Paper { a4, letter };

QPageSize pageSize(Paper paper);

// The text font of printed pages. Without shaping there are no ligatures, which would copy
// as "ﬁ" rather than "fi".
QFont textFont(double points, bool bold = false);

inline const QColor kInk(0, 0, 0);
inline const QColor kQuiet(85, 85, 85);

}  // namespace uc::print
